// "Tisk" where no printer is installed: the user is told so and may save
// the page as a PDF instead. The test points the print system at a CUPS
// server that does not exist, so that no printer is found.
#include "pdfprobe.h"
#include "reportpreview.h"
#include "scripteddialogs.h"
#include "testfolder.h"
#include "tform2.h"
#include "tform3.h"
#include "zpmzsample.h"

#include <QPrinterInfo>
#include <QPushButton>
#include <QtTest>

class TestNoPrinter : public QObject
{
    Q_OBJECT

private slots:
    void printOffersPdfInstead_data();
    void printOffersPdfInstead();
};

void TestNoPrinter::printOffersPdfInstead_data()
{
    QTest::addColumn<bool>("acceptPdf");
    QTest::newRow("yes: save a PDF") << true;
    QTest::newRow("no: nothing") << false;
}

void TestNoPrinter::printOffersPdfInstead()
{
    QFETCH(bool, acceptPdf);
    QVERIFY2(QPrinterInfo::availablePrinterNames().isEmpty(),
             "the test needs a machine without printers");
    TestFolder folder;
    QDir().mkpath(folder.file(QStringLiteral("Ulozene")));
    ScriptedDialogs dialogs;
    TForm3 window(dialogs, folder.programFolder());
    TForm2 form(window);
    QCOMPARE(printZpmz(sampleZpmzInputs(), form, dialogs), ZpmzPrintResult::Previewed);

    const QString target = folder.file(QStringLiteral("Ulozene/ZPMZ 320-857-2007.pdf"));
    dialogs.expect(Dialogs::Kind::Confirmation,
                   QStringLiteral("Není nainstalována žádná tiskárna.\n"
                                  "Chcete stránku místo tisku uložit jako PDF?"),
                   acceptPdf ? Dialogs::Button::Yes : Dialogs::Button::No,
                   {Dialogs::Button::Yes, Dialogs::Button::No});
    if (acceptPdf)
        dialogs.expectSaveFile(target);
    window.findChild<QPushButton*>(QStringLiteral("BitBtn2"))->click();
    VERIFY_DIALOGS(dialogs);

    QCOMPARE(QFileInfo::exists(target), acceptPdf);
    if (acceptPdf) {
        QCOMPARE(dialogs.fileRequests.first().fileName, QStringLiteral("ZPMZ 320-857-2007.pdf"));
        const PdfProbe pdf(target);
        QCOMPARE(pdf.lineAt(13.4, 57.1), QStringLiteral("320/857/2007"));
    }
}

int main(int argc, char** argv)
{
    // Before anything asks the print system: a server that cannot be reached.
    qputenv("CUPS_SERVER", "/nonexistent/zemlar-no-cups.sock");
    QApplication app(argc, argv);
    TestNoPrinter test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_noprinter.moc"
