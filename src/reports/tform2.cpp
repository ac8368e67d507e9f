#include "tform2.h"

#include "czechdate.h"
#include "dialogs.h"
#include "zpmzpage.h"

TForm2::TForm2(QObject* parent) : ReportForm(pageSetup(), parent)
{
    addZpmzElements(QuickRep1.page());
}

TForm2::TForm2(TForm3& previewWindow, QObject* parent) : TForm2(parent)
{
    setPreviewWindow(previewWindow);
}

PageSetup TForm2::pageSetup()
{
    // The band is taller than the room between the margins; the credit line
    // at its foot prints in the bottom margin.
    return {
        Paper::A4, Orientation::Portrait, {10_mm, 10_mm, 10_mm, 10_mm}, {190.0_mm, 283.9_mm}, 100};
}

void TForm2::fill(const ZpmzInputs& in)
{
    ReportPage& page = QuickRep1.page();
    const double parcelsSize = in.CheckBox13 ? 7 : 10;
    page.label(QStringLiteral("QRLabelzdp")).font.pointSize = parcelsSize;
    page.label(QStringLiteral("QRLabelzdp2")).font.pointSize = parcelsSize;
    // The two lines stay 2.6 mm apart whatever their size.
    page.label(QStringLiteral("QRLabelzdp")).geometry.top = page.setup().fromReportPixels(210);
    page.label(QStringLiteral("QRLabelzdp2")).geometry.top = page.setup().fromReportPixels(220);

    page.label(QStringLiteral("QRLabel38")).caption = in.CheckBox23 && in.DateTimePicker1.isValid()
                                                          ? CzechDate::format(in.DateTimePicker1)
                                                          : QString();
    for (const QString& name : zpmzAcknowledgementLabels())
        page.label(name).enabled = in.CheckBox24;

    page.element<Picture>(QStringLiteral("QRImagelogo")).image = in.Imagelogo.copy();

    const std::pair<const char*, const QString&> captions[] = {
        {"Qrlabelrok", in.Editrok},   {"QRLabelkraj", in.ComboBox4}, {"QRLabelcz1", in.Editcz1},
        {"QRLabelcz2", in.Editcz2},   {"QRLabelcz3", in.Editcz3},    {"QRLabelcz4", in.Editcz4},
        {"QRLabelcz5", in.Editcz5},   {"QRLabelkp", in.Editkp},      {"QRLabelob", in.Comboob},
        {"QRLabelku", in.Comboku},    {"QRLabelcgp", in.Editcgp},    {"QRLabelcku1", in.Editcku1},
        {"QRLabelcku2", in.Editcku2}, {"QRLabelcku3", in.Editcku3},  {"QRLabelcku4", in.Editcku4},
        {"QRLabelcku5", in.Editcku5}, {"QRLabelcku6", in.Editcku6},  {"QRLabelkm", in.ComboKM},
        {"QRLabelzam", in.Combozam},  {"QRLabelzdp", in.Editzdp},    {"QRLabelzdp2", in.Editzdp2},
        {"QRLabeldz", in.Combodz},    {"QRLabel32", in.Editobj},     {"QRLabel29", in.Comboob},
    };
    for (const auto& [name, text] : captions)
        page.label(QString::fromLatin1(name)).caption = text;

    page.label(QStringLiteral("QRLabelkm")).font.pointSize = in.CheckBox18 ? 7 : 10;
    page.label(QStringLiteral("QRLabelzam")).font.pointSize = in.CheckBox17 ? 6 : 10;

    QuickRep1.setTitle(QStringLiteral("ZPMZ ") + in.Editcgp);
}

ZpmzPrintResult printZpmz(const ZpmzInputs& inputs, TForm2& form, Dialogs& dialogs)
{
    if (zpmzCompleteness(inputs) == Completeness::Incomplete) {
        dialogs.information(zpmzIncompleteMessage());
        return ZpmzPrintResult::Incomplete;
    }
    form.fill(inputs);
    form.showPreview();
    return ZpmzPrintResult::Previewed;
}
