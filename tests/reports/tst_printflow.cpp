// The print flow of the ZPMZ title page and the report forms' common
// set-up: completeness rule, fill, preview window, hand-over of the page.
#include "reportpreview.h"
#include "scripteddialogs.h"
#include "testfolder.h"
#include "tform2.h"
#include "tform3.h"
#include "tform4.h"
#include "tform5.h"
#include "tform8.h"
#include "zpmzsample.h"

#include <QPrintDialog>
#include <QPrinter>
#include <QtTest>

Q_DECLARE_METATYPE(Paper)
Q_DECLARE_METATYPE(Orientation)

class TestPrintFlow : public QObject
{
    Q_OBJECT

private slots:
    void completenessRule_data();
    void completenessRule();
    void incompleteInputsShowTheMessageAndNoPreview();
    void completeInputsFillAndPreview();
    void previewKeepsThePageAsProduced();
    void anotherPrintReplacesTheShownReport();
    void reportFormsHaveTheirSetUp_data();
    void reportFormsHaveTheirSetUp();
    void orientationChosenInSetUpStaysWithTheReport();
};

void TestPrintFlow::completenessRule_data()
{
    QTest::addColumn<QString>("field"); // the control emptied or changed
    QTest::addColumn<QString>("value");
    QTest::addColumn<QStringList>("missing");

    QTest::newRow("all filled") << ""
                                << "" << QStringList{};
    // Every required control on its own.
    for (const char* required :
         {"Editcku1", "Editcku2", "Editcku3",    "Editcku4",        "Editcku5", "Editcku6",
          "Editcz1",  "Editcz2",  "Editcz3",     "Editcz4",         "Editcz5",  "Editzdp",
          "Editcgp",  "Combodz",  "Editrok",     "ComboKM",         "Combozam", "Comboob",
          "Comboku",  "Editkp",   "Editovereni", "Editdatumovereni"})
        QTest::newRow(required) << required << "" << QStringList{QString::fromLatin1(required)};
    // Not required.
    QTest::newRow("ComboBox4 empty") << "ComboBox4"
                                     << "" << QStringList{};
    QTest::newRow("Editzdp2 empty") << "Editzdp2"
                                    << "" << QStringList{};
    QTest::newRow("Editobj empty") << "Editobj"
                                   << "" << QStringList{};
    // A space counts as filled: a short record number is padded with spaces.
    QTest::newRow("record box holds a space") << "Editcz5"
                                              << " " << QStringList{};
    QTest::newRow("GP number of spaces") << "Editcgp"
                                         << "   " << QStringList{};
}

void TestPrintFlow::completenessRule()
{
    QFETCH(QString, field);
    QFETCH(QString, value);
    QFETCH(QStringList, missing);
    ZpmzInputs in = sampleZpmzInputs();
    QString* fields[] = {
        &in.Editcku1,    &in.Editcku2,         &in.Editcku3,  &in.Editcku4, &in.Editcku5,
        &in.Editcku6,    &in.Editcz1,          &in.Editcz2,   &in.Editcz3,  &in.Editcz4,
        &in.Editcz5,     &in.Editzdp,          &in.Editcgp,   &in.Combodz,  &in.Editrok,
        &in.ComboKM,     &in.Combozam,         &in.Comboob,   &in.Comboku,  &in.Editkp,
        &in.Editovereni, &in.Editdatumovereni, &in.ComboBox4, &in.Editzdp2, &in.Editobj};
    const QStringList names{"Editcku1",    "Editcku2",         "Editcku3",  "Editcku4", "Editcku5",
                            "Editcku6",    "Editcz1",          "Editcz2",   "Editcz3",  "Editcz4",
                            "Editcz5",     "Editzdp",          "Editcgp",   "Combodz",  "Editrok",
                            "ComboKM",     "Combozam",         "Comboob",   "Comboku",  "Editkp",
                            "Editovereni", "Editdatumovereni", "ComboBox4", "Editzdp2", "Editobj"};
    if (!field.isEmpty()) {
        QVERIFY(names.contains(field));
        *fields[names.indexOf(field)] = value;
    }
    QCOMPARE(zpmzMissingFields(in), missing);
    QCOMPARE(zpmzCompleteness(in),
             missing.isEmpty() ? Completeness::Complete : Completeness::Incomplete);
}

void TestPrintFlow::incompleteInputsShowTheMessageAndNoPreview()
{
    TestFolder folder;
    ScriptedDialogs dialogs;
    TForm3 window(dialogs, folder.programFolder());
    TForm2 form(window);
    ZpmzInputs in = sampleZpmzInputs();
    in.Editcz5.clear();

    dialogs.expect(Dialogs::Kind::Information,
                   QStringLiteral("Nejsou vyplněny všechny údaje! (číslo zpmz-vložit mezery)"),
                   Dialogs::Button::Ok, {Dialogs::Button::Ok});
    QCOMPARE(printZpmz(in, form, dialogs), ZpmzPrintResult::Incomplete);
    VERIFY_DIALOGS(dialogs);
    QVERIFY(!window.isVisible());
    QVERIFY(!window.QRPreview1().QRPrinter());
    // The report form is left as it was.
    QCOMPARE(form.QuickRep1.page().label(QStringLiteral("QRLabelcgp")).caption, QString());
}

void TestPrintFlow::completeInputsFillAndPreview()
{
    TestFolder folder;
    ScriptedDialogs dialogs;
    TForm3 window(dialogs, folder.programFolder());
    TForm2 form(window);

    QCOMPARE(printZpmz(sampleZpmzInputs(), form, dialogs), ZpmzPrintResult::Previewed);
    VERIFY_DIALOGS(dialogs);
    QVERIFY(window.isVisible());
    const auto& shown = window.QRPreview1().QRPrinter();
    QVERIFY(shown);
    QCOMPARE(shown->title(), QStringLiteral("ZPMZ 320/857/2007"));
    QCOMPARE(shown->page().label(QStringLiteral("QRLabelku")).caption, QStringLiteral("Munice"));
    QCOMPARE(&shown->settings(), form.QuickRep1.printerSettings().get());
    // The logo is a copy taken at this print.
    const auto& logo = shown->page().element<Picture>(QStringLiteral("QRImagelogo"));
    QCOMPARE(logo.image, sampleLogo());
}

void TestPrintFlow::previewKeepsThePageAsProduced()
{
    TestFolder folder;
    ScriptedDialogs dialogs;
    TForm3 window(dialogs, folder.programFolder());
    TForm2 form(window);
    printZpmz(sampleZpmzInputs(), form, dialogs);

    ZpmzInputs other = sampleZpmzInputs();
    other.Editcgp = QStringLiteral("1/2030");
    form.fill(other);
    QCOMPARE(window.QRPreview1().QRPrinter()->page().label(QStringLiteral("QRLabelcgp")).caption,
             QStringLiteral("320/857/2007"));

    QCOMPARE(printZpmz(other, form, dialogs), ZpmzPrintResult::Previewed);
    QCOMPARE(window.QRPreview1().QRPrinter()->page().label(QStringLiteral("QRLabelcgp")).caption,
             QStringLiteral("1/2030"));
}

void TestPrintFlow::anotherPrintReplacesTheShownReport()
{
    TestFolder folder;
    ScriptedDialogs dialogs;
    TForm3 window(dialogs, folder.programFolder());
    TForm2 form2(window);
    TForm5 form5(window);
    printZpmz(sampleZpmzInputs(), form2, dialogs);
    QVERIFY(window.isVisible());

    form5.showPreview();
    QVERIFY(window.isVisible());
    const auto& shown = window.QRPreview1().QRPrinter();
    QVERIFY(shown->page().contains(QStringLiteral("QRLabel18")));
    QVERIFY(!shown->page().contains(QStringLiteral("QRLabelcgp")));
    QCOMPARE(&shown->settings(), form5.QuickRep1.printerSettings().get());
}

void TestPrintFlow::reportFormsHaveTheirSetUp_data()
{
    QTest::addColumn<int>("form");
    QTest::addColumn<Paper>("paper");
    QTest::addColumn<Orientation>("orientation");
    QTest::addColumn<QList<double>>("margins"); // top, bottom, left, right
    QTest::addColumn<QSizeF>("band");
    QTest::addColumn<int>("zoom");
    QTest::addColumn<QString>("credit");
    QTest::addColumn<QPointF>("creditAt");

    QTest::newRow("TForm2") << 2 << Paper::A4 << Orientation::Portrait
                            << QList<double>{10, 10, 10, 10} << QSizeF(190.0, 283.9) << 100
                            << "QRLabel1" << QPointF(164.0, 277.3);
    QTest::newRow("TForm4") << 4 << Paper::A3 << Orientation::Landscape
                            << QList<double>{10, 10, 10, 10} << QSizeF(400.1, 276.8) << 50
                            << "QRLabel2" << QPointF(364.1, 272.0);
    QTest::newRow("TForm5") << 5 << Paper::A4 << Orientation::Portrait
                            << QList<double>{10, 10, 10, 10} << QSizeF(190.0, 278.1) << 100
                            << "QRLabel18" << QPointF(163.8, 273.3);
    QTest::newRow("TForm8") << 8 << Paper::A4 << Orientation::Portrait
                            << QList<double>{10, 10, 2, 10} << QSizeF(197.9, 276.8) << 50
                            << "QRLabel2" << QPointF(165.1, 272.0);
}

void TestPrintFlow::reportFormsHaveTheirSetUp()
{
    QFETCH(int, form);
    QFETCH(Paper, paper);
    QFETCH(Orientation, orientation);
    QFETCH(QList<double>, margins);
    QFETCH(QSizeF, band);
    QFETCH(int, zoom);
    QFETCH(QString, credit);
    QFETCH(QPointF, creditAt);

    TestFolder folder;
    ScriptedDialogs dialogs;
    TForm3 window(dialogs, folder.programFolder());
    std::unique_ptr<ReportForm> reportForm;
    switch (form) {
    case 2:
        reportForm = std::make_unique<TForm2>(window);
        break;
    case 4:
        reportForm = std::make_unique<TForm4>(window);
        break;
    case 5:
        reportForm = std::make_unique<TForm5>(window);
        break;
    default:
        reportForm = std::make_unique<TForm8>(window);
        break;
    }
    const ReportPage& page = reportForm->QuickRep1.page();
    const PageSetup& setup = page.setup();
    QCOMPARE(setup.paper, paper);
    QCOMPARE(setup.orientation, orientation);
    QCOMPARE((QList<double>{setup.margins.top.value(), setup.margins.bottom.value(),
                            setup.margins.left.value(), setup.margins.right.value()}),
             margins);
    QCOMPARE(QSizeF(setup.band.width.value(), setup.band.height.value()), band);
    QCOMPARE(setup.zoom, zoom);

    const TextLabel& label = page.label(credit);
    QCOMPARE(QPointF(label.geometry.left.value(), label.geometry.top.value()), creditAt);
    QCOMPARE(label.caption, QStringLiteral("Zemlar 3.00"));
    QCOMPARE(label.font, (TextFont{QStringLiteral("Arial"), 5}));
    QVERIFY(!label.transparent);
    QVERIFY(label.autoSize);

    // The band fits on the paper: each page prints as one page.
    const RectMm bandOnPaper = setup.bandRect();
    QVERIFY(bandOnPaper.right() <= setup.paperSize().width);
    QVERIFY(bandOnPaper.bottom() <= setup.paperSize().height);
}

void TestPrintFlow::orientationChosenInSetUpStaysWithTheReport()
{
    TestFolder folder;
    ScriptedDialogs dialogs;
    TForm3 window(dialogs, folder.programFolder());
    TForm2 form(window);
    printZpmz(sampleZpmzInputs(), form, dialogs);

    dialogs.expectModal([](QDialog& dialog) {
        // What the orientation control of the printer properties does.
        static_cast<QPrintDialog&>(dialog).printer()->setPageOrientation(QPageLayout::Landscape);
        dialog.accept();
        return dialog.result();
    });
    window.BitBtn3Click();
    VERIFY_DIALOGS(dialogs);
    QCOMPARE(form.QuickRep1.printerSettings()->orientation(), Orientation::Landscape);
    printZpmz(sampleZpmzInputs(), form, dialogs);
    QCOMPARE(window.QRPreview1().QRPrinter()->page().setup().orientation, Orientation::Landscape);
}

QTEST_MAIN(TestPrintFlow)
#include "tst_printflow.moc"
