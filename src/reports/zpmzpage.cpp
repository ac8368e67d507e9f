#include "zpmzpage.h"

#include "reportform.h"

namespace {

const QColor frameColour(31, 26, 23);
const QString times = QStringLiteral("Times New Roman");
const QString arial = QStringLiteral("Arial");

// Frame coordinates are given in band millimetres; the drawing starts at the
// band's y 15.1.
constexpr Mm frameTop = 15.1_mm;

LineShape frameLine(double x1, double y1, double x2, double y2, double width)
{
    return {{Mm(x1), Mm(y1) - frameTop}, {Mm(x2), Mm(y2) - frameTop}, Mm(width), frameColour};
}

struct LabelRow
{
    const char* name;
    const char* caption;
    double left;
    double top;
    const QString& family;
    double size;
    bool bold;
    bool opaque;
};

TextLabel makeLabel(const LabelRow& row)
{
    TextLabel label;
    label.name = QString::fromLatin1(row.name);
    label.caption = QString::fromUtf8(row.caption);
    label.geometry = {Mm(row.left), Mm(row.top), 0_mm, 0_mm};
    label.font = {row.family, row.size, row.bold};
    label.transparent = !row.opaque;
    return label;
}

} // namespace

VectorDrawing zpmzHeaderFrame()
{
    VectorDrawing frame;
    frame.size = {189.8_mm, 46.6_mm};
    frame.shapes.append(FrameShape{{0_mm, 0_mm, 189.8_mm, 46.6_mm}, 0.7_mm, frameColour});
    frame.shapes.append(frameLine(62.4, 15.5, 62.4, 52.3, 0.35));
    frame.shapes.append(frameLine(148.4, 15.5, 148.4, 52.3, 0.35));
    frame.shapes.append(frameLine(105.8, 43.3, 105.8, 61.4, 0.35));
    frame.shapes.append(frameLine(62.4, 22.6, 189.5, 22.6, 0.35));
    frame.shapes.append(frameLine(62.4, 29.8, 148.4, 29.8, 0.35));
    frame.shapes.append(frameLine(62.4, 36.6, 189.5, 36.6, 0.35));
    frame.shapes.append(frameLine(0.4, 43.3, 189.5, 43.3, 0.35));
    frame.shapes.append(frameLine(0.4, 52.3, 189.5, 52.3, 0.35));
    for (double x : {112.9, 120.0, 127.1, 134.4, 141.3})
        frame.shapes.append(frameLine(x, 43.3, x, 52.3, 0.18));
    for (double x : {156.9, 165.0, 173.4, 181.8})
        frame.shapes.append(frameLine(x, 22.6, x, 36.6, 0.18));
    return frame;
}

const QStringList& zpmzAcknowledgementLabels()
{
    static const QStringList names{QStringLiteral("QRLabel33"), QStringLiteral("QRLabel34"),
                                   QStringLiteral("QRLabel35"), QStringLiteral("QRLabel32"),
                                   QStringLiteral("QRLabel36"), QStringLiteral("QRLabel29"),
                                   QStringLiteral("QRLabel37"), QStringLiteral("QRLabel38")};
    return names;
}

void addZpmzElements(ReportPage& page)
{
    // Drawn first: the logo and every label lie over the frame.
    VectorPicture frame;
    frame.name = QStringLiteral("QRImage1");
    frame.geometry = {0.0_mm, 15.1_mm, 189.7_mm, 46.6_mm};
    frame.drawing = zpmzHeaderFrame();
    frame.placement.centre = true;
    page.add(frame);

    Picture logo;
    logo.name = QStringLiteral("QRImagelogo");
    logo.geometry = {4.8_mm, 19.1_mm, 53.7_mm, 23.8_mm};
    logo.placement = {true, true};
    page.add(logo);

    // clang-format off
    static const LabelRow fixedTexts[] = {
        {"QRLabel12", "ZÁZNAM PODROBNÉHO MĚŘENÍ ZMĚN", 54.0, 4.8, times, 12, true, true},
        {"QRLabel3", "Rok:", 157.4, 9.5, times, 10, false, true},
        {"QRLabel13", "Vyhotovitel:", 1.3, 15.6, times, 10, false, false},
        {"QRLabel28", "Katastrální úřad pro", 63.0, 15.9, times, 10, false, false},
        {"QRLabel30", "Číslo záznamu", 159.3, 16.1, times, 10, false, false},
        {"QRLabel2", "Katastrální pracoviště", 63.0, 22.8, times, 10, false, false},
        {"QRLabel27", "Obec", 63.0, 29.9, times, 10, false, false},
        {"QRLabel26", "Katastrální území", 63.0, 36.8, times, 10, false, false},
        {"QRLabel14", "Číslo geometrického plánu (zakázky)", 1.1, 43.4, times, 10, false, false},
        {"QRLabel25", "Číslo kat.území", 63.0, 43.4, times, 10, false, false},
        {"QRLabel10", "List katastrální mapy", 154.5, 43.4, times, 10, false, true},
        {"QRLabel16", "Vyhotovila odborně způsobilá osoba", 1.3, 52.1, times, 10, false, false},
        {"QRLabel24", "Změnou dotčené parcely č.", 106.4, 51.9, times, 10, false, false},
        {"QRLabel31", "Důvod změny:", 3.7, 71.4, times, 10, true, false},
        {"QRLabel33", "S průběhem a trvalým označením nových", 2.6, 232.6, times, 10, false, true},
        {"QRLabel34", "navrhovaných nebo změněných hranic", 2.6, 236.8, times, 10, false, true},
        {"QRLabel35", "byl v terénu seznámen:", 2.6, 240.8, times, 10, false, true},
        {"QRLabel36", "Obec:", 2.6, 265.6, times, 10, false, true},
        {"QRLabel37", "Datum:", 2.6, 269.9, times, 10, false, true},
    };
    // Captions come from the main window at every print.
    static const LabelRow filledTexts[] = {
        {"Qrlabelrok", "", 166.2, 9.3, arial, 10, true, true},
        {"QRLabelkraj", "", 93.9, 17.2, arial, 10, false, false},
        {"QRLabelcz1", "", 150.0, 24.3, arial, 24, false, true},
        {"QRLabelcz2", "", 158.5, 24.3, arial, 24, false, true},
        {"QRLabelcz3", "", 167.0, 24.3, arial, 24, false, true},
        {"QRLabelcz4", "", 174.9, 24.3, arial, 24, false, true},
        {"QRLabelcz5", "", 182.8, 24.3, arial, 24, false, true},
        {"QRLabelkp", "", 96.8, 24.3, arial, 10, false, false},
        {"QRLabelob", "", 73.0, 31.2, arial, 10, false, false},
        {"QRLabelku", "", 89.4, 37.6, arial, 10, false, false},
        {"QRLabelcgp", "", 3.4, 47.1, arial, 10, false, false},
        {"QRLabelcku1", "", 108.0, 44.5, arial, 12, false, true},
        {"QRLabelcku2", "", 114.8, 44.5, arial, 12, false, true},
        {"QRLabelcku3", "", 121.7, 44.5, arial, 12, false, true},
        {"QRLabelcku4", "", 129.1, 44.5, arial, 12, false, true},
        {"QRLabelcku5", "", 136.3, 44.5, arial, 12, false, true},
        {"QRLabelcku6", "", 143.4, 44.5, arial, 12, false, true},
        {"QRLabelkm", "", 150.3, 47.1, arial, 10, false, false},
        {"QRLabelzam", "", 2.9, 56.6, arial, 10, false, false},
        {"QRLabelzdp", "", 106.4, 55.6, arial, 10, false, false},
        {"QRLabelzdp2", "", 106.4, 58.2, arial, 10, false, false},
        {"QRLabeldz", "", 27.3, 71.4, arial, 10, false, true},
        {"QRLabel32", "", 2.6, 246.9, times, 10, false, true},
        {"QRLabel29", "", 15.3, 265.6, times, 10, false, true},
        {"QRLabel38", "", 15.3, 269.9, times, 10, false, true},
    };
    // clang-format on
    for (const LabelRow& row : fixedTexts)
        page.add(makeLabel(row));
    for (const LabelRow& row : filledTexts)
        page.add(makeLabel(row));
    // Top 277.3 mm reaches into the bottom margin; the page is painted
    // whole, so it still prints as one page.
    page.add(creditLineLabel(QStringLiteral("QRLabel1"), {164.0_mm, 277.3_mm}));
}
