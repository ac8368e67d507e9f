// Prints the ZPMZ title page through a real CUPS queue that writes PDF
// files (cups-pdf, set up by scripts/start-cups.sh) and reads the job back:
// one A4 page carrying the job's texts. cups-pdf renders the page anew, so
// only plain-ASCII texts are compared.
#include "pdfprobe.h"
#include "reportpreview.h"
#include "scripteddialogs.h"
#include "testfolder.h"
#include "tform2.h"
#include "tform3.h"
#include "zpmzsample.h"

#include <QComboBox>
#include <QPrinter>
#include <QPrinterInfo>
#include <QPushButton>
#include <QtTest>

namespace {
const QString queue = QStringLiteral("ZemlarPDF");

QString outputFolder()
{
    const QString configured = qEnvironmentVariable("ZEMLAR_CUPS_PDF_OUT");
    return configured.isEmpty() ? QStringLiteral("/var/spool/zemlar-cups-pdf") : configured;
}
} // namespace

class TestCupsPrint : public QObject
{
    Q_OBJECT

private slots:
    void printsThroughTheQueue();
};

void TestCupsPrint::printsThroughTheQueue()
{
    // The test script starts the queue; under CI a missing queue is a failure, not a skip.
    if (QPrinterInfo::printerInfo(queue).isNull() && qEnvironmentVariableIsSet("CI"))
        QFAIL("no CUPS queue ZemlarPDF is reachable (scripts/start-cups.sh sets it up)");
    if (QPrinterInfo::printerInfo(queue).isNull())
        QSKIP("no CUPS queue ZemlarPDF is reachable (scripts/start-cups.sh sets it up)");
    const QDir out(outputFolder());
    QVERIFY2(out.exists(), qPrintable(out.path() + QStringLiteral(" is missing")));
    // cups-pdf names files after the job's title, so an earlier run's file
    // may be written over: a file counts as new when it changed.
    QHash<QString, QDateTime> before;
    for (const QFileInfo& file : out.entryInfoList({QStringLiteral("*.pdf")}, QDir::Files))
        before.insert(file.fileName(), file.lastModified());

    TestFolder folder;
    ScriptedDialogs dialogs;
    TForm3 window(dialogs, folder.programFolder());
    TForm2 form(window);
    QCOMPARE(printZpmz(sampleZpmzInputs(), form, dialogs), ZpmzPrintResult::Previewed);

    // Choose the queue in the printer set-up, as the user would.
    dialogs.expectModal([](QDialog& dialog) {
        auto* printers = dialog.findChild<QComboBox*>(QStringLiteral("printers"));
        if (!printers || printers->findText(queue) < 0)
            return int(QDialog::Rejected);
        printers->setCurrentIndex(printers->findText(queue));
        dialog.accept();
        return dialog.result();
    });
    window.findChild<QPushButton*>(QStringLiteral("BitBtn3"))->click();
    QCOMPARE(form.QuickRep1.printerSettings()->printer().printerName(), queue);

    window.findChild<QPushButton*>(QStringLiteral("BitBtn2"))->click();
    VERIFY_DIALOGS(dialogs);

    // The queue converts and writes the job in the background.
    QString written;
    QString info;
    QDeadlineTimer deadline(120000);
    while (!deadline.hasExpired()) {
        for (const QFileInfo& file : out.entryInfoList({QStringLiteral("*.pdf")}, QDir::Files)) {
            if (before.value(file.fileName()) == file.lastModified())
                continue;
            // Read it only once cups-pdf has finished it.
            QString error;
            info = PdfProbe::run(QStringLiteral("pdfinfo"), {file.filePath()}, &error);
            if (error.isEmpty())
                written = file.filePath();
        }
        if (!written.isEmpty())
            break;
        QTest::qWait(250);
    }
    QVERIFY2(!written.isEmpty(), "the queue wrote no PDF within two minutes");

    QVERIFY2(info.contains(QRegularExpression(QStringLiteral("Pages:\\s+1\\n"))), qPrintable(info));
    QVERIFY2(info.contains(QStringLiteral("(A4)")), qPrintable(info));
    const PdfProbe pdf(written);
    QVERIFY2(pdf.error().isEmpty(), qPrintable(pdf.error()));
    const QString text = pdf.allText();
    for (const char* expected : {"320/857/2007", "2007", "KMD", "Munice", "1234/5,", "1240/1",
                                 "Vyhotovitel:", "Rok:", "Obec", "Zemlar 3.00"})
        QVERIFY2(text.contains(QString::fromLatin1(expected)),
                 qPrintable(QStringLiteral("\"%1\" missing in: %2").arg(expected, text)));
    QFile::remove(written);
}

QTEST_MAIN(TestCupsPrint)
#include "tst_cupsprint.moc"
