#pragma once

#include "reportform.h"
#include "zpmzinputs.h"

// Report form of the ZPMZ title page, A4 portrait.
class TForm2 : public ReportForm
{
    Q_OBJECT

public:
    explicit TForm2(TForm3& previewWindow, QObject* parent = nullptr);
    explicit TForm2(QObject* parent = nullptr);
    static PageSetup pageSetup();

    // Writes every element the page takes from the main window: captions,
    // font sizes, the parcels lines' positions, the date, the
    // acknowledgement block and the logo.
    void fill(const ZpmzInputs& inputs);
};

enum class ZpmzPrintResult
{
    Previewed,
    Incomplete
};

// "Tisk" on the ZPMZ tab: the completeness rule, then fill TForm2, show
// the preview window and preview. When fields are missing it says so and
// leaves the report form and the preview window untouched.
ZpmzPrintResult printZpmz(const ZpmzInputs& inputs, TForm2& form, Dialogs& dialogs);
