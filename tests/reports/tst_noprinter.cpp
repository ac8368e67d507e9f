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

#include <QLineEdit>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QPushButton>
#include <QtTest>

class TestNoPrinter : public QObject
{
    Q_OBJECT

private slots:
    void printOffersPdfInstead_data();
    void printOffersPdfInstead();
    void printToFileChosenInSetUp_data();
    void printToFileChosenInSetUp();
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

void TestNoPrinter::printToFileChosenInSetUp_data()
{
    QTest::addColumn<QString>("file"); // relative to the program folder
    QTest::addColumn<bool>("printed");
    QTest::newRow("file in an existing folder") << "tisk.pdf" << true;
    QTest::newRow("folder missing") << "chybi/tisk.pdf" << false;
}

void TestNoPrinter::printToFileChosenInSetUp()
{
    QFETCH(QString, file);
    QFETCH(bool, printed);
    TestFolder folder;
    ScriptedDialogs dialogs;
    TForm3 window(dialogs, folder.programFolder());
    TForm2 form(window);
    printZpmz(sampleZpmzInputs(), form, dialogs);

    // Without printers the set-up still offers printing to a file.
    const QString target = folder.file(file);
    dialogs.expectModal([&](QDialog& dialog) {
        auto* fileName = dialog.findChild<QLineEdit*>(QStringLiteral("filename"));
        if (!fileName)
            return int(QDialog::Rejected);
        fileName->setText(target);
        dialog.accept();
        return dialog.result();
    });
    window.findChild<QPushButton*>(QStringLiteral("BitBtn3"))->click();
    if (!printed)
        dialogs.expect(Dialogs::Kind::Error,
                       QStringLiteral("Tiskárna nepřijala tiskovou úlohu „ZPMZ 320/857/2007“."),
                       Dialogs::Button::Ok);
    window.findChild<QPushButton*>(QStringLiteral("BitBtn2"))->click();
    VERIFY_DIALOGS(dialogs);

    QCOMPARE(QFileInfo::exists(target), printed);
    if (printed) {
        const PdfProbe pdf(target);
        QCOMPARE(pdf.lineAt(13.4, 57.1), QStringLiteral("320/857/2007"));
        QCOMPARE(pdf.lineAt(174.0, 287.3), QStringLiteral("Zemlar 3.00"));
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
