#include "tform4.h"

TForm4::TForm4(QObject* parent) : ReportForm(pageSetup(), parent)
{
    QuickRep1.page().add(creditLineLabel(QStringLiteral("QRLabel2"), {364.1_mm, 272.0_mm}));
}

TForm4::TForm4(TForm3& previewWindow, QObject* parent) : TForm4(parent)
{
    setPreviewWindow(previewWindow);
}

PageSetup TForm4::pageSetup()
{
    return {
        Paper::A3, Orientation::Landscape, {10_mm, 10_mm, 10_mm, 10_mm}, {400.1_mm, 276.8_mm}, 50};
}
