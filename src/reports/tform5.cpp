#include "tform5.h"

TForm5::TForm5(QObject* parent) : ReportForm(pageSetup(), parent)
{
    QuickRep1.page().add(creditLineLabel(QStringLiteral("QRLabel18"), {163.8_mm, 273.3_mm}));
}

TForm5::TForm5(TForm3& previewWindow, QObject* parent) : TForm5(parent)
{
    setPreviewWindow(previewWindow);
}

PageSetup TForm5::pageSetup()
{
    return {
        Paper::A4, Orientation::Portrait, {10_mm, 10_mm, 10_mm, 10_mm}, {190.0_mm, 278.1_mm}, 100};
}
