#pragma once

#include "reportform.h"

// Report form of the covers of the geometric plan, A4 portrait.
class TForm8 : public ReportForm
{
    Q_OBJECT

public:
    explicit TForm8(TForm3& previewWindow, QObject* parent = nullptr);
    explicit TForm8(QObject* parent = nullptr);
    static PageSetup pageSetup();
};
