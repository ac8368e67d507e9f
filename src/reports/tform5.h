#pragma once

#include "reportform.h"

// Report form of the application for confirmation of the geometric plan, A4 portrait.
class TForm5 : public ReportForm
{
    Q_OBJECT

public:
    explicit TForm5(TForm3& previewWindow, QObject* parent = nullptr);
    explicit TForm5(QObject* parent = nullptr);
    static PageSetup pageSetup();
};
