// The report layer below the documents: the report pixel, fonts, text
// layout, and what the renderer puts where, probed in images of known
// resolution. The ZPMZ header frame and logo are probed here too.
#include "pagerenderer.h"
#include "scripteddialogs.h"
#include "testfolder.h"
#include "textlayout.h"
#include "tform2.h"
#include "tform3.h"
#include "zpmzpage.h"
#include "zpmzsample.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QPainter>
#include <QtTest>

namespace {

const QColor frameColour(31, 26, 23);

bool near(const QColor& seen, const QColor& expected, int tolerance = 40)
{
    return qAbs(seen.red() - expected.red()) <= tolerance &&
           qAbs(seen.green() - expected.green()) <= tolerance &&
           qAbs(seen.blue() - expected.blue()) <= tolerance;
}

// An A4 page whose band starts at the 10 mm margins.
ReportPage blankPage()
{
    return ReportPage(PageSetup{});
}

// The colour at paper millimetres (x, y) of an image rendered at dpi.
QColor at(const QImage& image, double x, double y, double dpi, const QPointF& origin = {})
{
    const double perMm = dpi / 25.4;
    return image.pixelColor(qFloor((x - origin.x()) * perMm), qFloor((y - origin.y()) * perMm));
}

} // namespace

class TestPageRenderer : public QObject
{
    Q_OBJECT

private slots:
    void reportPixels_data();
    void reportPixels();
    void windowsFontsResolveToTheirMetricTwins_data();
    void windowsFontsResolveToTheirMetricTwins();
    void autoSizedLabelsGrowToTheBandEdgeThenWrap();
    void labelBackground_data();
    void labelBackground();
    void memoWrapsAndIsCutAtItsBox();
    void picturePlacement_data();
    void picturePlacement();
    void transparentPicturePrintsOpaque();
    void headerFrameLines_data();
    void headerFrameLines();
    void logoIsStretchedOverItsBox();
    void missingLogoLeavesTheBoxEmpty();
};

void TestPageRenderer::reportPixels_data()
{
    QTest::addColumn<int>("pixels");
    QTest::addColumn<int>("zoom");
    QTest::addColumn<double>("millimetres");
    QTest::newRow("one pixel at zoom 100") << 1 << 100 << 0.26458;
    QTest::newRow("one pixel at zoom 50") << 1 << 50 << 0.52917;
    QTest::newRow("ZPMZ parcels line 1") << 210 << 100 << 55.5625;
    QTest::newRow("ZPMZ parcels line 2") << 220 << 100 << 58.2083;
    QTest::newRow("covers captions") << 400 << 50 << 211.6667;
    QTest::newRow("covers logo") << 379 << 50 << 200.5542;
    QTest::newRow("covers logo put back") << 384 << 50 << 203.2;
    QTest::newRow("left of the band") << -5 << 50 << -2.6458;
}

void TestPageRenderer::reportPixels()
{
    QFETCH(int, pixels);
    QFETCH(int, zoom);
    QFETCH(double, millimetres);
    PageSetup setup;
    setup.zoom = zoom;
    QVERIFY(qAbs(setup.fromReportPixels(pixels).value() - millimetres) < 0.0001);
    QVERIFY(qAbs(reportPixelsToMm(pixels, zoom).value() - millimetres) < 0.0001);
    // Positions read back as whole report pixels, also from the rounded
    // millimetres a layout table gives.
    QCOMPARE(setup.toReportPixels(Mm(millimetres)), pixels);
    QCOMPARE(setup.toReportPixels(Mm(qRound(millimetres * 10) / 10.0)), pixels);
}

void TestPageRenderer::windowsFontsResolveToTheirMetricTwins_data()
{
    QTest::addColumn<QString>("family");
    QTest::addColumn<bool>("bold");
    QTest::addColumn<QString>("twin");
    QTest::newRow("Arial") << "Arial" << false << "Liberation Sans";
    QTest::newRow("Arial bold") << "Arial" << true << "Liberation Sans";
    QTest::newRow("Times New Roman") << "Times New Roman" << false << "Liberation Serif";
    QTest::newRow("Times New Roman bold") << "Times New Roman" << true << "Liberation Serif";
}

void TestPageRenderer::windowsFontsResolveToTheirMetricTwins()
{
    QFETCH(QString, family);
    QFETCH(bool, bold);
    QFETCH(QString, twin);
    // Where the Windows font itself is installed it is used as it is.
    const QString expected = QFontDatabase::hasFamily(family) ? family : twin;
    const QFont font = ReportFonts::font(TextFont{family, 10, bold});
    const QFontInfo info(font);
    QCOMPARE(info.family(), expected);
    QCOMPARE(info.bold(), bold);
    QVERIFY(!font.kerning());
}

void TestPageRenderer::autoSizedLabelsGrowToTheBandEdgeThenWrap()
{
    const FontMetricsMm metrics(TextFont{QStringLiteral("Arial"), 10});
    TextLabel label;
    label.caption = QStringLiteral("Katastrální pracoviště České Budějovice");
    label.geometry = {20_mm, 30_mm, 0_mm, 0_mm};

    TextBlock block = layoutLabel(label, 190_mm);
    QCOMPARE(block.lines.size(), 1);
    QVERIFY(qAbs((block.box.width - metrics.advance(label.caption)).value()) < 1e-9);
    QVERIFY(qAbs((block.box.height - metrics.height()).value()) < 1e-9);
    // The first baseline lies one ascent below the label's top.
    QVERIFY(qAbs((block.lines.first().baselineStart.y - 30_mm - metrics.ascent()).value()) < 1e-9);

    // Near the band's right edge the words wrap inside the room left.
    label.geometry.left = 150_mm;
    block = layoutLabel(label, 190_mm);
    QVERIFY(block.lines.size() > 1);
    QStringList texts;
    for (const TextLine& line : block.lines) {
        QVERIFY2(metrics.advance(line.text) <= 40_mm, qPrintable(line.text));
        texts << line.text;
    }
    QCOMPARE(texts.join(u' '), label.caption);
    QVERIFY(qAbs((block.box.height - metrics.height() * block.lines.size()).value()) < 1e-9);

    // Without word wrap the label stays one line, wider than the room.
    label.wordWrap = false;
    block = layoutLabel(label, 190_mm);
    QCOMPARE(block.lines.size(), 1);
    QVERIFY(block.box.right() > 190_mm);

    // An empty caption takes no room.
    label.caption.clear();
    QCOMPARE(layoutLabel(label, 190_mm).box.width, 0_mm);
}

void TestPageRenderer::labelBackground_data()
{
    QTest::addColumn<bool>("transparent");
    QTest::addColumn<bool>("enabled");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<bool>("white"); // under the label, between its top and its capitals
    QTest::newRow("opaque") << false << true << "ZPMZ" << true;
    QTest::newRow("transparent") << true << true << "ZPMZ" << false;
    QTest::newRow("opaque but disabled") << false << false << "ZPMZ" << false;
    QTest::newRow("opaque and empty") << false << true << "" << false;
}

void TestPageRenderer::labelBackground()
{
    QFETCH(bool, transparent);
    QFETCH(bool, enabled);
    QFETCH(QString, caption);
    QFETCH(bool, white);
    ReportPage page = blankPage();
    VectorPicture fill;
    fill.name = QStringLiteral("black");
    fill.geometry = {0_mm, 0_mm, 50_mm, 20_mm};
    fill.drawing = {{50_mm, 20_mm}, {FillShape{{0_mm, 0_mm, 50_mm, 20_mm}, Qt::black}}};
    page.add(fill);
    TextLabel label;
    label.name = QStringLiteral("label");
    label.caption = caption;
    label.geometry = {10_mm, 5_mm, 0_mm, 0_mm};
    label.font = {QStringLiteral("Arial"), 20};
    label.transparent = transparent;
    label.enabled = enabled;
    page.add(label);

    const QImage image = renderPageImage(page, 300);
    // Paper position: band (10, 5) plus the 10 mm margins; 0.3 mm below
    // the label's top no glyph reaches yet.
    const QColor seen = at(image, 20.5, 15.3, 300);
    QVERIFY2(white ? seen == QColor(Qt::white) : seen == QColor(Qt::black),
             qPrintable(seen.name()));
    // The letters themselves are black in every case that prints them.
    if (enabled && !caption.isEmpty()) {
        const QRectF lettersMm(20, 15, 15, 8);
        bool anyBlackGlyphOnWhite = false;
        const double perMm = 300 / 25.4;
        for (int y = qRound(lettersMm.top() * perMm); y < lettersMm.bottom() * perMm; ++y)
            for (int x = qRound(lettersMm.left() * perMm); x < lettersMm.right() * perMm; ++x)
                anyBlackGlyphOnWhite |= transparent || image.pixelColor(x, y) == Qt::black;
        QVERIFY(anyBlackGlyphOnWhite);
    }
}

void TestPageRenderer::memoWrapsAndIsCutAtItsBox()
{
    TextMemo memo;
    memo.lines = {QStringLiteral("rozdělení pozemku a změna hranice pozemku pro účely zápisu")};
    memo.geometry = {0_mm, 0_mm, 40_mm, 9_mm};
    memo.font = {QStringLiteral("Arial"), 14};
    const TextBlock block = layoutMemo(memo);
    const FontMetricsMm metrics(memo.font);
    QVERIFY(block.lines.size() >= 3);
    for (const TextLine& line : block.lines)
        QVERIFY2(metrics.advance(line.text) <= 40_mm, qPrintable(line.text));

    // Lines beyond the box's bottom are cut off: nothing dark below it.
    ReportPage page = blankPage();
    memo.name = QStringLiteral("memo");
    page.add(memo);
    const QImage image = renderPageImage(page, 200);
    const double perMm = 200 / 25.4;
    int darkInside = 0;
    int darkBelow = 0;
    for (int y = qRound(10 * perMm); y < qRound(40 * perMm); ++y) {
        for (int x = qRound(10 * perMm); x < qRound(50 * perMm); ++x) {
            if (image.pixelColor(x, y).lightness() < 128)
                (y < 19 * perMm ? darkInside : darkBelow)++;
        }
    }
    QVERIFY(darkInside > 0);
    QCOMPARE(darkBelow, 0);
}

void TestPageRenderer::picturePlacement_data()
{
    // A 96 x 48 picture (25.4 x 12.7 mm at its own size), red left half,
    // blue right half, in a 50 x 30 mm box at band (0, 0) = paper (10, 10).
    QTest::addColumn<bool>("stretch");
    QTest::addColumn<bool>("centre");
    QTest::addColumn<QPointF>("redAt"); // paper millimetres
    QTest::addColumn<QPointF>("blueAt");
    QTest::addColumn<QPointF>("whiteAt");
    QTest::newRow("stretched") << true << false << QPointF(11, 39) << QPointF(59, 11)
                               << QPointF(61, 20);
    QTest::newRow("stretched and centred")
        << true << true << QPointF(11, 39) << QPointF(59, 11) << QPointF(61, 20);
    QTest::newRow("centred") << false << true << QPointF(24, 25) << QPointF(46, 25)
                             << QPointF(11, 11);
    QTest::newRow("own size at the corner")
        << false << false << QPointF(11, 11) << QPointF(34, 22) << QPointF(40, 25);
}

void TestPageRenderer::picturePlacement()
{
    QFETCH(bool, stretch);
    QFETCH(bool, centre);
    QFETCH(QPointF, redAt);
    QFETCH(QPointF, blueAt);
    QFETCH(QPointF, whiteAt);
    QImage picture(96, 48, QImage::Format_RGB32);
    picture.fill(Qt::red);
    QPainter(&picture).fillRect(48, 0, 48, 48, Qt::blue);

    ReportPage page = blankPage();
    Picture element;
    element.name = QStringLiteral("picture");
    element.geometry = {0_mm, 0_mm, 50_mm, 30_mm};
    element.image = picture;
    element.placement = {stretch, centre};
    page.add(element);
    const QImage image = renderPageImage(page, 150);
    QVERIFY(near(at(image, redAt.x(), redAt.y(), 150), Qt::red));
    QVERIFY(near(at(image, blueAt.x(), blueAt.y(), 150), Qt::blue));
    QCOMPARE(at(image, whiteAt.x(), whiteAt.y(), 150), QColor(Qt::white));

    // A box smaller than the picture cuts it at the box's edges.
    if (!stretch && !centre) {
        page.element<Picture>(QStringLiteral("picture")).geometry = {0_mm, 0_mm, 10_mm, 5_mm};
        const QImage cut = renderPageImage(page, 150);
        QVERIFY(near(at(cut, 19, 14, 150), Qt::red));
        QCOMPARE(at(cut, 21, 11, 150), QColor(Qt::white));
        QCOMPARE(at(cut, 11, 16, 150), QColor(Qt::white));
    }
}

void TestPageRenderer::transparentPicturePrintsOpaque()
{
    ReportPage page = blankPage();
    VectorPicture fill;
    fill.name = QStringLiteral("black");
    fill.geometry = {0_mm, 0_mm, 40_mm, 40_mm};
    fill.drawing = {{40_mm, 40_mm}, {FillShape{{0_mm, 0_mm, 40_mm, 40_mm}, Qt::black}}};
    page.add(fill);
    QImage clear(20, 20, QImage::Format_ARGB32);
    clear.fill(Qt::transparent);
    Picture picture;
    picture.name = QStringLiteral("logo");
    picture.geometry = {5_mm, 5_mm, 20_mm, 20_mm};
    picture.image = clear;
    picture.placement.stretch = true;
    page.add(picture);
    const QImage image = renderPageImage(page, 150);
    QCOMPARE(at(image, 25, 25, 150), QColor(Qt::white));
    QCOMPARE(at(image, 12, 12, 150), QColor(Qt::black));
}

void TestPageRenderer::headerFrameLines_data()
{
    // Each row: a line of the frame crossed at one point (paper millimetres)
    // along x (vertical lines) or y (horizontal lines); the dark run across
    // it must be as wide as the line and centred on its coordinate (inside
    // the edges for the outer border).
    QTest::addColumn<bool>("vertical");
    QTest::addColumn<double>("position"); // the line's centre across
    QTest::addColumn<double>("along");    // where it is crossed
    QTest::addColumn<double>("width");
    const double m = 10.0;
    QTest::newRow("border left") << true << m + 0.35 << m + 30.0 << 0.7;
    QTest::newRow("border right") << true << m + 189.8 - 0.35 << m + 40.0 << 0.7;
    QTest::newRow("border top") << false << m + 15.1 + 0.35 << m + 30.0 << 0.7;
    QTest::newRow("border bottom") << false << m + 61.7 - 0.35 << m + 60.0 << 0.7;
    QTest::newRow("x 62.4") << true << m + 62.4 << m + 48.0 << 0.35;
    QTest::newRow("x 148.4") << true << m + 148.4 << m + 40.0 << 0.35;
    QTest::newRow("x 105.8") << true << m + 105.8 << m + 60.5 << 0.35;
    QTest::newRow("y 22.6") << false << m + 22.6 << m + 185.0 << 0.35;
    QTest::newRow("y 29.8") << false << m + 29.8 << m + 140.0 << 0.35;
    QTest::newRow("y 36.6") << false << m + 36.6 << m + 186.0 << 0.35;
    QTest::newRow("y 43.3") << false << m + 43.3 << m + 58.0 << 0.35;
    QTest::newRow("y 52.3") << false << m + 52.3 << m + 100.0 << 0.35;
    const double territoryCells[] = {112.9, 120.0, 127.1, 134.4, 141.3};
    for (double x : territoryCells)
        QTest::addRow("territory cell x %.1f", x) << true << m + x << m + 51.5 << 0.18;
    const double recordCells[] = {156.9, 165.0, 173.4, 181.8};
    for (double x : recordCells)
        QTest::addRow("record cell x %.1f", x) << true << m + x << m + 23.2 << 0.18;
}

void TestPageRenderer::headerFrameLines()
{
    QFETCH(bool, vertical);
    QFETCH(double, position);
    QFETCH(double, along);
    QFETCH(double, width);
    // The empty page: no logo, no filled texts.
    TestFolder folder;
    ScriptedDialogs dialogs;
    TForm3 window(dialogs, folder.programFolder());
    TForm2 form(window);
    const double dpi = 1200;
    const double perMm = dpi / 25.4;
    // Render a strip around the crossing point only.
    const RectMm window2 = vertical ? RectMm{Mm(position - 2), Mm(along - 0.5), 4_mm, 1_mm}
                                    : RectMm{Mm(along - 0.5), Mm(position - 2), 1_mm, 4_mm};
    const QImage image = renderPageImage(form.QuickRep1.page(), dpi, window2);
    const int mid = qRound(0.5 * perMm);
    int first = -1;
    int last = -1;
    const int length = vertical ? image.width() : image.height();
    for (int i = 0; i < length; ++i) {
        const QColor c = vertical ? image.pixelColor(i, mid) : image.pixelColor(mid, i);
        if (c.lightness() < 128) {
            if (first < 0)
                first = i;
            last = i;
        }
    }
    QVERIFY2(first >= 0, "no line there");
    const double runMm = (last - first + 1) / perMm;
    const double centreMm = (first + last + 1) / 2.0 / perMm + (position - 2);
    QVERIFY2(qAbs(runMm - width) < 0.06, qPrintable(QStringLiteral("width %1").arg(runMm)));
    // The frame is centred in a box 0.1 mm narrower than itself, which moves it 0.05 mm left.
    QVERIFY2(qAbs(centreMm - position) < 0.08, qPrintable(QStringLiteral("at %1").arg(centreMm)));
    const QColor core = vertical ? image.pixelColor((first + last) / 2, mid)
                                 : image.pixelColor(mid, (first + last) / 2);
    QVERIFY2(near(core, frameColour, 6), qPrintable(core.name()));
}

void TestPageRenderer::logoIsStretchedOverItsBox()
{
    TestFolder folder;
    ScriptedDialogs dialogs;
    TForm3 window(dialogs, folder.programFolder());
    TForm2 form(window);
    form.fill(sampleZpmzInputs());
    const QImage image = renderPageImage(form.QuickRep1.page(), 200);
    // Box 4.8, 19.1, 53.7 x 23.8 in the band. Stretched, the picture's
    // green top fifth fills the box's top 4.76 mm, its red half the box's
    // left half and its blue half the right half, corner to corner.
    const double left = 14.8, top = 29.1, right = 14.8 + 53.7, bottom = 29.1 + 23.8;
    const QColor red(200, 0, 0), blue(0, 0, 200), green(0, 160, 0);
    QVERIFY(near(at(image, left + 0.3, top + 0.3, 200), green));
    QVERIFY(near(at(image, right - 0.3, top + 4.4, 200), green));
    QVERIFY(near(at(image, left + 0.3, top + 5.2, 200), red));
    QVERIFY(near(at(image, left + 0.3, bottom - 0.3, 200), red));
    QVERIFY(near(at(image, right - 0.3, top + 5.2, 200), blue));
    QVERIFY(near(at(image, right - 0.3, bottom - 0.3, 200), blue));
    QVERIFY(near(at(image, left + 26.0, top + 12, 200), red));
    QVERIFY(near(at(image, left + 28.0, top + 12, 200), blue));
    // Nothing of it outside the box.
    QCOMPARE(at(image, right + 0.5, top + 12, 200), QColor(Qt::white));
    // Below it lies the frame's line at 43.3 mm, only 0.2 mm away.
    const QColor below = at(image, left + 20, bottom + 0.1, 200);
    QVERIFY2(!near(below, QColor(200, 0, 0)) && !near(below, QColor(0, 0, 200)),
             qPrintable(below.name()));
}

void TestPageRenderer::missingLogoLeavesTheBoxEmpty()
{
    TestFolder folder;
    ScriptedDialogs dialogs;
    TForm3 window(dialogs, folder.programFolder());
    TForm2 form(window);
    ZpmzInputs in = sampleZpmzInputs();
    in.Imagelogo = QImage();
    form.fill(in);
    const QImage image =
        renderPageImage(form.QuickRep1.page(), 100, RectMm{15_mm, 30_mm, 52_mm, 22_mm});
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            QCOMPARE(image.pixelColor(x, y), QColor(Qt::white));
}

QTEST_MAIN(TestPageRenderer)
#include "tst_pagerenderer.moc"
