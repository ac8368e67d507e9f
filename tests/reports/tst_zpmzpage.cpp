// The ZPMZ title page as a PDF reader sees it: every text at its place and
// size, nothing where an element is disabled or empty, the file PDF/A-1b
// with its fonts embedded and one A4 page.
#include "pdfexport.h"
#include "pdfprobe.h"
#include "scripteddialogs.h"
#include "tform2.h"
#include "tform3.h"
#include "zpmzsample.h"

#include <QTemporaryDir>
#include <QtTest>
#include <memory>

namespace {
// Band millimetres to paper millimetres: the band starts at the 10 mm margins.
constexpr double margin = 10.0;
} // namespace

class TestZpmzPage : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void textsStandAtTheirPlaces_data();
    void textsStandAtTheirPlaces();
    void digitCellsHoldOneCharacterEach_data();
    void digitCellsHoldOneCharacterEach();
    void checkBoxesShrinkTexts_data();
    void checkBoxesShrinkTexts();
    void acknowledgementBlock_data();
    void acknowledgementBlock();
    void emptyFieldsPrintNothing_data();
    void emptyFieldsPrintNothing();
    void fillReplacesEarlierValues();
    void isOneA4PageOfPdfA1bWithEmbeddedFonts();

private:
    // Fills TForm2 from the inputs and reads its page back from a PDF.
    std::unique_ptr<PdfProbe> render(const ZpmzInputs& inputs);

    QTemporaryDir m_dir;
    ScriptedDialogs m_dialogs;
    std::unique_ptr<TForm3> m_preview;
    std::unique_ptr<TForm2> m_form;
    std::unique_ptr<PdfProbe> m_sample;
    int m_renders = 0;
};

void TestZpmzPage::initTestCase()
{
    QVERIFY(m_dir.isValid());
    m_preview = std::make_unique<TForm3>(m_dialogs, ProgramFolder(m_dir.path()));
    m_form = std::make_unique<TForm2>(*m_preview);
    m_sample = render(sampleZpmzInputs());
    QVERIFY2(m_sample->error().isEmpty(), qPrintable(m_sample->error()));
}

std::unique_ptr<PdfProbe> TestZpmzPage::render(const ZpmzInputs& inputs)
{
    m_form->fill(inputs);
    const QString path = m_dir.filePath(QStringLiteral("page%1.pdf").arg(++m_renders));
    const PdfOutcome outcome = savePdf(m_form->QuickRep1.page(), m_form->QuickRep1.title(), path);
    if (outcome.result != PdfResult::Saved)
        qWarning() << "could not write" << path << outcome.reason;
    return std::make_unique<PdfProbe>(path);
}

void TestZpmzPage::textsStandAtTheirPlaces_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("left");
    QTest::addColumn<double>("top");
    QTest::addColumn<QString>("family");
    QTest::addColumn<bool>("bold");
    QTest::addColumn<double>("size");

    const QString times = QStringLiteral("Times New Roman");
    const QString arial = QStringLiteral("Arial");
    // Filled texts, from the sample's fields.
    QTest::newRow("Qrlabelrok") << "2007" << 166.2 << 9.3 << arial << true << 10.0;
    QTest::newRow("QRLabelkraj") << "Jihočeský kraj" << 93.9 << 17.2 << arial << false << 10.0;
    QTest::newRow("QRLabelkp") << "České Budějovice" << 96.8 << 24.3 << arial << false << 10.0;
    QTest::newRow("QRLabelob") << "Hluboká nad Vltavou" << 73.0 << 31.2 << arial << false << 10.0;
    QTest::newRow("QRLabelku") << "Munice" << 89.4 << 37.6 << arial << false << 10.0;
    QTest::newRow("QRLabelcgp") << "320/857/2007" << 3.4 << 47.1 << arial << false << 10.0;
    QTest::newRow("QRLabelkm") << "KMD" << 150.3 << 47.1 << arial << false << 10.0;
    QTest::newRow("QRLabelzam") << "Ing. Jan Novák" << 2.9 << 56.6 << arial << false << 10.0;
    // Set at each print to 210 and 220 report pixels.
    QTest::newRow("QRLabelzdp") << "1234/5, 1234/6" << 106.4 << 55.5625 << arial << false << 10.0;
    QTest::newRow("QRLabelzdp2") << "1240/1" << 106.4 << 58.2083 << arial << false << 10.0;
    QTest::newRow("QRLabeldz") << "rozdělení pozemku" << 27.3 << 71.4 << arial << false << 10.0;
    QTest::newRow("QRLabel32") << "Josef Dvořák" << 2.6 << 246.9 << times << false << 10.0;
    QTest::newRow("QRLabel29") << "Hluboká nad Vltavou" << 15.3 << 265.6 << times << false << 10.0;
    QTest::newRow("QRLabel38") << "14.3.2007" << 15.3 << 269.9 << times << false << 10.0;
    // Fixed texts.
    QTest::newRow("QRLabel12") << "ZÁZNAM PODROBNÉHO MĚŘENÍ ZMĚN" << 54.0 << 4.8 << times << true
                               << 12.0;
    QTest::newRow("QRLabel3") << "Rok:" << 157.4 << 9.5 << times << false << 10.0;
    QTest::newRow("QRLabel13") << "Vyhotovitel:" << 1.3 << 15.6 << times << false << 10.0;
    QTest::newRow("QRLabel28") << "Katastrální úřad pro" << 63.0 << 15.9 << times << false << 10.0;
    QTest::newRow("QRLabel30") << "Číslo záznamu" << 159.3 << 16.1 << times << false << 10.0;
    QTest::newRow("QRLabel2") << "Katastrální pracoviště" << 63.0 << 22.8 << times << false << 10.0;
    QTest::newRow("QRLabel27") << "Obec" << 63.0 << 29.9 << times << false << 10.0;
    QTest::newRow("QRLabel26") << "Katastrální území" << 63.0 << 36.8 << times << false << 10.0;
    QTest::newRow("QRLabel14") << "Číslo geometrického plánu (zakázky)" << 1.1 << 43.4 << times
                               << false << 10.0;
    QTest::newRow("QRLabel25") << "Číslo kat.území" << 63.0 << 43.4 << times << false << 10.0;
    QTest::newRow("QRLabel10") << "List katastrální mapy" << 154.5 << 43.4 << times << false
                               << 10.0;
    QTest::newRow("QRLabel16") << "Vyhotovila odborně způsobilá osoba" << 1.3 << 52.1 << times
                               << false << 10.0;
    QTest::newRow("QRLabel24") << "Změnou dotčené parcely č." << 106.4 << 51.9 << times << false
                               << 10.0;
    QTest::newRow("QRLabel31") << "Důvod změny:" << 3.7 << 71.4 << times << true << 10.0;
    QTest::newRow("QRLabel33") << "S průběhem a trvalým označením nových" << 2.6 << 232.6 << times
                               << false << 10.0;
    QTest::newRow("QRLabel34") << "navrhovaných nebo změněných hranic" << 2.6 << 236.8 << times
                               << false << 10.0;
    QTest::newRow("QRLabel35") << "byl v terénu seznámen:" << 2.6 << 240.8 << times << false
                               << 10.0;
    QTest::newRow("QRLabel36") << "Obec:" << 2.6 << 265.6 << times << false << 10.0;
    QTest::newRow("QRLabel37") << "Datum:" << 2.6 << 269.9 << times << false << 10.0;
    QTest::newRow("QRLabel1 credit line")
        << "Zemlar 3.00" << 164.0 << 277.3 << arial << false << 5.0;
}

void TestZpmzPage::textsStandAtTheirPlaces()
{
    QFETCH(QString, text);
    QFETCH(double, left);
    QFETCH(double, top);
    QFETCH(QString, family);
    QFETCH(bool, bold);
    QFETCH(double, size);

    const PdfWord* first = m_sample->wordAt(margin + left, margin + top);
    QVERIFY2(
        first,
        qPrintable(QStringLiteral("nothing starts within 0.5 mm of %1, %2").arg(left).arg(top)));
    // Only as many words as expected: a filled text may follow on the same line.
    QCOMPARE(m_sample->lineAt(margin + left, margin + top, 0.5, text.count(u' ') + 1), text);
    QVERIFY2(qAbs(pointSizeFromBox(*first, family, bold) - size) < 0.3,
             qPrintable(QStringLiteral("size %1").arg(pointSizeFromBox(*first, family, bold))));
}

void TestZpmzPage::digitCellsHoldOneCharacterEach_data()
{
    // Neighbouring cells are closer than the gap at which a PDF reader
    // splits words, so each row fills every other cell and leaves a space
    // (which prints nothing) in the rest.
    QTest::addColumn<QStringList>("record");    // Editcz1..5
    QTest::addColumn<QStringList>("territory"); // Editcku1..6
    QTest::newRow("odd cells") << QStringList{"1", " ", "3", " ", "5"}
                               << QStringList{"6", " ", "9", " ", "3", " "};
    QTest::newRow("even cells") << QStringList{" ", "2", " ", "4", " "}
                                << QStringList{" ", "3", " ", "8", " ", "5"};
}

void TestZpmzPage::digitCellsHoldOneCharacterEach()
{
    QFETCH(QStringList, record);
    QFETCH(QStringList, territory);
    ZpmzInputs in = sampleZpmzInputs();
    QString* recordBoxes[] = {&in.Editcz1, &in.Editcz2, &in.Editcz3, &in.Editcz4, &in.Editcz5};
    QString* territoryBoxes[] = {&in.Editcku1, &in.Editcku2, &in.Editcku3,
                                 &in.Editcku4, &in.Editcku5, &in.Editcku6};
    for (int i = 0; i < 5; ++i)
        *recordBoxes[i] = record[i];
    for (int i = 0; i < 6; ++i)
        *territoryBoxes[i] = territory[i];
    const auto pdf = render(in);

    const double recordLefts[] = {150.0, 158.5, 167.0, 174.9, 182.8};
    const double territoryLefts[] = {108.0, 114.8, 121.7, 129.1, 136.3, 143.4};
    const auto check = [&](const QString& expected, double left, double top, double size) {
        const PdfWord* word = pdf->wordAt(margin + left, margin + top);
        if (expected.trimmed().isEmpty()) {
            QVERIFY2(
                !word,
                qPrintable(
                    QStringLiteral("a space printed \"%1\"").arg(word ? word->text : QString())));
            return;
        }
        QVERIFY2(word, qPrintable(QStringLiteral("no \"%1\" at %2").arg(expected).arg(left)));
        QCOMPARE(word->text, expected);
        QVERIFY(qAbs(pointSizeFromBox(*word, QStringLiteral("Arial"), false) - size) < 0.3);
    };
    for (int i = 0; i < 5; ++i) {
        check(record[i], recordLefts[i], 24.3, 24);
        if (QTest::currentTestFailed())
            return;
    }
    for (int i = 0; i < 6; ++i) {
        check(territory[i], territoryLefts[i], 44.5, 12);
        if (QTest::currentTestFailed())
            return;
    }
}

void TestZpmzPage::checkBoxesShrinkTexts_data()
{
    QTest::addColumn<bool>("parcels");  // CheckBox13
    QTest::addColumn<bool>("map");      // CheckBox18
    QTest::addColumn<bool>("surveyor"); // CheckBox17
    QTest::addColumn<double>("parcelsSize");
    QTest::addColumn<double>("mapSize");
    QTest::addColumn<double>("surveyorSize");
    QTest::newRow("none ticked") << false << false << false << 10.0 << 10.0 << 10.0;
    QTest::newRow("parcels") << true << false << false << 7.0 << 10.0 << 10.0;
    QTest::newRow("map and surveyor") << false << true << true << 10.0 << 7.0 << 6.0;
    QTest::newRow("all") << true << true << true << 7.0 << 7.0 << 6.0;
}

void TestZpmzPage::checkBoxesShrinkTexts()
{
    QFETCH(bool, parcels);
    QFETCH(bool, map);
    QFETCH(bool, surveyor);
    QFETCH(double, parcelsSize);
    QFETCH(double, mapSize);
    QFETCH(double, surveyorSize);
    // Ticking and then unticking must restore 10 pt: print once with all
    // ticked first, so every row follows a print that shrank everything.
    ZpmzInputs in = sampleZpmzInputs();
    in.CheckBox13 = in.CheckBox18 = in.CheckBox17 = true;
    m_form->fill(in);
    in.CheckBox13 = parcels;
    in.CheckBox18 = map;
    in.CheckBox17 = surveyor;
    const auto pdf = render(in);

    const QString arial = QStringLiteral("Arial");
    const struct
    {
        const char* what;
        double left;
        double top;
        double size;
    } expected[] = {
        // The parcels lines keep their two positions whatever their size.
        {"QRLabelzdp", 106.4, 55.5625, parcelsSize},
        {"QRLabelzdp2", 106.4, 58.2083, parcelsSize},
        {"QRLabelkm", 150.3, 47.1, mapSize},
        {"QRLabelzam", 2.9, 56.6, surveyorSize},
    };
    for (const auto& e : expected) {
        const PdfWord* word = pdf->wordAt(margin + e.left, margin + e.top);
        QVERIFY2(word, e.what);
        const double size = pointSizeFromBox(*word, arial, false);
        QVERIFY2(qAbs(size - e.size) < 0.3,
                 qPrintable(QStringLiteral("%1: %2 pt").arg(e.what).arg(size)));
    }
}

void TestZpmzPage::acknowledgementBlock_data()
{
    QTest::addColumn<bool>("block");        // CheckBox24
    QTest::addColumn<bool>("date");         // CheckBox23
    QTest::addColumn<QString>("customer");  // Editobj
    QTest::addColumn<QStringList>("lines"); // what prints below the grid's reason line
    QTest::newRow("block and date") << true << true << "Josef Dvořák"
                                    << QStringList{"S průběhem a trvalým označením nových",
                                                   "navrhovaných nebo změněných hranic",
                                                   "byl v terénu seznámen:",
                                                   "Josef Dvořák",
                                                   "Obec: Hluboká nad Vltavou",
                                                   "Datum: 14.3.2007",
                                                   "Zemlar 3.00"};
    QTest::newRow("block without date") << true << false << "Josef Dvořák"
                                        << QStringList{"S průběhem a trvalým označením nových",
                                                       "navrhovaných nebo změněných hranic",
                                                       "byl v terénu seznámen:",
                                                       "Josef Dvořák",
                                                       "Obec: Hluboká nad Vltavou",
                                                       "Datum:",
                                                       "Zemlar 3.00"};
    QTest::newRow("block without customer") << true << true << ""
                                            << QStringList{"S průběhem a trvalým označením nových",
                                                           "navrhovaných nebo změněných hranic",
                                                           "byl v terénu seznámen:",
                                                           "Obec: Hluboká nad Vltavou",
                                                           "Datum: 14.3.2007",
                                                           "Zemlar 3.00"};
    QTest::newRow("no block, date ticked")
        << false << true << "Josef Dvořák" << QStringList{"Zemlar 3.00"};
    QTest::newRow("no block, no date")
        << false << false << "Josef Dvořák" << QStringList{"Zemlar 3.00"};
}

void TestZpmzPage::acknowledgementBlock()
{
    QFETCH(bool, block);
    QFETCH(bool, date);
    QFETCH(QString, customer);
    QFETCH(QStringList, lines);
    ZpmzInputs in = sampleZpmzInputs();
    in.CheckBox24 = block;
    in.CheckBox23 = date;
    in.Editobj = customer;
    const auto pdf = render(in);

    // Everything in the lower part of the page, read line by line from the top.
    QList<PdfWord> words = pdf->wordsIn(QRectF(0, margin + 100, 210, 197));
    std::sort(words.begin(), words.end(), [](const PdfWord& a, const PdfWord& b) {
        return qAbs(a.box.top() - b.box.top()) > 0.05 ? a.box.top() < b.box.top()
                                                      : a.box.left() < b.box.left();
    });
    QStringList printed;
    double lineTop = -1;
    for (const PdfWord& word : words) {
        if (qAbs(word.box.top() - lineTop) < 0.3 && !printed.isEmpty()) {
            printed.last() += u' ' + word.text;
        } else {
            printed << word.text;
            lineTop = word.box.top();
        }
    }
    QCOMPARE(printed, lines);
}

void TestZpmzPage::emptyFieldsPrintNothing_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<double>("left"); // where its label stands
    QTest::addColumn<double>("top");
    QTest::newRow("Editzdp2") << "Editzdp2" << 106.4 << 58.2083;
    QTest::newRow("ComboBox4") << "ComboBox4" << 93.9 << 17.2;
}

void TestZpmzPage::emptyFieldsPrintNothing()
{
    QFETCH(QString, field);
    QFETCH(double, left);
    QFETCH(double, top);
    ZpmzInputs in = sampleZpmzInputs();
    if (field == u"Editzdp2")
        in.Editzdp2.clear();
    else
        in.ComboBox4.clear();
    const auto pdf = render(in);

    QVERIFY(pdf->error().isEmpty());
    const PdfWord* word = pdf->wordAt(margin + left, margin + top, 2.0);
    QVERIFY2(!word, qPrintable(word ? word->text : QString()));
    // The rest of the page is still there.
    QCOMPARE(pdf->lineAt(margin + 63.0, margin + 15.9), QStringLiteral("Katastrální úřad pro"));
    QCOMPARE(pdf->lineAt(margin + 106.4, margin + 55.5625), QStringLiteral("1234/5, 1234/6"));
}

void TestZpmzPage::fillReplacesEarlierValues()
{
    ZpmzInputs in = sampleZpmzInputs();
    in.Editcgp = QStringLiteral("999/1/2020");
    m_form->fill(in);
    in.Editcgp = QStringLiteral("12/2021");
    in.Editzdp2.clear();
    const auto pdf = render(in);
    QCOMPARE(pdf->lineAt(margin + 3.4, margin + 47.1), QStringLiteral("12/2021"));
    QVERIFY(!pdf->allText().contains(QStringLiteral("999/1/2020")));
    QVERIFY(!pdf->allText().contains(QStringLiteral("1240/1")));
    QCOMPARE(m_form->QuickRep1.title(), QStringLiteral("ZPMZ 12/2021"));
}

void TestZpmzPage::isOneA4PageOfPdfA1bWithEmbeddedFonts()
{
    const QString path = m_dir.filePath(QStringLiteral("page1.pdf"));
    QString error;
    const QString info =
        PdfProbe::run(QStringLiteral("pdfinfo"), {path}, &error) +
        PdfProbe::run(QStringLiteral("pdfinfo"), {QStringLiteral("-meta"), path}, &error);
    QVERIFY2(error.isEmpty(), qPrintable(error));
    QVERIFY2(info.contains(QRegularExpression(QStringLiteral("Pages:\\s+1\\n"))), qPrintable(info));
    QVERIFY2(info.contains(QStringLiteral("(A4)")), qPrintable(info));
    QVERIFY2(info.contains(QStringLiteral("pdfaid:part=\"1\"")), qPrintable(info));
    QVERIFY2(info.contains(QStringLiteral("pdfaid:conformance=\"B\"")), qPrintable(info));

    const QString fonts = PdfProbe::run(QStringLiteral("pdffonts"), {path}, &error);
    QVERIFY2(error.isEmpty(), qPrintable(error));
    const QStringList rows = fonts.split(u'\n', Qt::SkipEmptyParts).mid(2);
    QStringList families;
    for (const QString& row : rows) {
        const QStringList columns = row.simplified().split(u' ');
        QVERIFY2(columns.size() >= 7, qPrintable(row));
        // name, type (two words), encoding, emb, sub, uni, object id
        QCOMPARE(columns.at(columns.size() - 5), QStringLiteral("yes"));
        families << columns.first();
    }
    families.sort();
    QCOMPARE(families, (QStringList{"LiberationSans", "LiberationSans-Bold", "LiberationSerif",
                                    "LiberationSerif-Bold"}));
}

QTEST_MAIN(TestZpmzPage)
#include "tst_zpmzpage.moc"
