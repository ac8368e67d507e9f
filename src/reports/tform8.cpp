#include "tform8.h"

TForm8::TForm8(QObject* parent) : ReportForm(pageSetup(), parent)
{
    QuickRep1.page().add(creditLineLabel(QStringLiteral("QRLabel2"), {165.1_mm, 272.0_mm}));
}

TForm8::TForm8(TForm3& previewWindow, QObject* parent) : TForm8(parent)
{
    setPreviewWindow(previewWindow);
}

PageSetup TForm8::pageSetup()
{
    // The left margin is 2 mm here, not 10 mm as on the other pages.
    return {
        Paper::A4, Orientation::Portrait, {10_mm, 10_mm, 2_mm, 10_mm}, {197.9_mm, 276.8_mm}, 50};
}
