#pragma once

#include "reportform.h"

// Report form of the covers of the geometric plan, A3 landscape. The front
// cover lies on the right half of the band.
class TForm4 : public ReportForm
{
    Q_OBJECT

public:
    explicit TForm4(TForm3& previewWindow, QObject* parent = nullptr);
    explicit TForm4(QObject* parent = nullptr);
    static PageSetup pageSetup();
};
