// The preview window TForm3: its strip of buttons, the zoom toggle, wheel
// scrolling, focus on mouse move, "Uložit PDF" and the printer set-up kept
// per report form.
#include "pdfexport.h"
#include "pdfprobe.h"
#include "reportpreview.h"
#include "scripteddialogs.h"
#include "testfolder.h"
#include "tform2.h"
#include "tform3.h"
#include "tform4.h"
#include "zpmzsample.h"

#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QSpinBox>
#include <QtTest>

namespace {

QPushButton* button(const TForm3& window, const char* name)
{
    return window.findChild<QPushButton*>(QString::fromLatin1(name));
}

void sendWheel(QWidget* target, QPoint at, QPoint angleDelta)
{
    QWheelEvent event(at, target->mapToGlobal(at), QPoint(), angleDelta, Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(target, &event);
}

void sendMouseMove(QWidget* target, QPoint at)
{
    QMouseEvent event(QEvent::MouseMove, at, target->mapToGlobal(at), Qt::NoButton, Qt::NoButton,
                      Qt::NoModifier);
    QApplication::sendEvent(target, &event);
}

// A preview window with a filled ZPMZ page attached, as after "Tisk" on the ZPMZ tab.
struct Previewing
{
    Previewing() : window(dialogs, folder.programFolder()), form2(window), form4(window)
    {
        QDir().mkpath(folder.file(QStringLiteral("Ulozene")));
        form2.fill(sampleZpmzInputs());
        form2.showPreview();
        // Keyboard focus needs the active window.
        window.activateWindow();
        active = QTest::qWaitForWindowActive(&window);
    }
    ReportPreview& preview() { return window.QRPreview1(); }
    QWidget* viewport() { return window.QRPreview1().viewport(); }
    // A point on the grey to the left of the page.
    QPoint grey() { return {2, preview().pageRect().top() + 20}; }

    TestFolder folder;
    ScriptedDialogs dialogs;
    TForm3 window;
    bool active = false;
    TForm2 form2;
    TForm4 form4;
};

} // namespace

class TestPreviewWindow : public QObject
{
    Q_OBJECT

private slots:
    void stripHoldsTheButtons_data();
    void stripHoldsTheButtons();
    void opensFramelessAndMaximisedAt100Percent();
    void clicksOnTheGreyToggleTheZoom();
    void toggleCarriesOverToTheNextPreview();
    void wheelScrolls50PixelsWithoutLimits();
    void mouseMoveOverTheGreyGivesFocus();
    void pageIsPaintedAtTheCurrentZoom();
    void closeHidesAndKeepsThePage();
    void savePdfProposesNameInJobsFolder();
    void savePdfCancelledOrFailing_data();
    void savePdfCancelledOrFailing();
    void pdfFileNameFromTitle_data();
    void pdfFileNameFromTitle();
    void printerSetupIsKeptPerReportForm();
};

void TestPreviewWindow::stripHoldsTheButtons_data()
{
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("closeLeft");
    QTest::newRow("861 pixels wide") << 861 << 782;
    QTest::newRow("wider window") << 1280 << 1201;
}

void TestPreviewWindow::stripHoldsTheButtons()
{
    QFETCH(int, width);
    QFETCH(int, closeLeft);
    ScriptedDialogs dialogs;
    TestFolder folder;
    TForm3 window(dialogs, folder.programFolder());
    window.resize(width, 600);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));

    auto* panel = window.findChild<QWidget*>(QStringLiteral("Panel1"));
    QVERIFY(panel);
    QCOMPARE(panel->geometry(), QRect(0, 0, width, 33));
    QCOMPARE(panel->grab().toImage().pixelColor(1, 1), QColor(251, 215, 89));

    const struct
    {
        const char* name;
        const char* caption;
        QRect geometry;
    } buttons[] = {
        {"BitBtn2", "Tisk", QRect(4, 4, 75, 25)},
        {"BitBtn3", "Nastavení tiskárny", QRect(83, 4, 105, 25)},
        {"BitBtn1", "Zavřít", QRect(closeLeft, 4, 75, 25)},
        {"Bitpdf", "Uložit PDF", QRect(192, 4, 85, 25)},
    };
    for (const auto& expected : buttons) {
        const QPushButton* b = button(window, expected.name);
        QVERIFY2(b, expected.name);
        QCOMPARE(b->text(), QString::fromUtf8(expected.caption));
        QCOMPARE(b->geometry(), expected.geometry);
    }
    QVERIFY(!button(window, "BitBtn2")->icon().isNull());
    QVERIFY(window.findChild<ReportPreview*>(QStringLiteral("QRPreview1")));
}

void TestPreviewWindow::opensFramelessAndMaximisedAt100Percent()
{
    Previewing p;
    QVERIFY(p.window.isVisible());
    QVERIFY(p.window.windowFlags().testFlag(Qt::FramelessWindowHint));
    QVERIFY(p.window.windowState().testFlag(Qt::WindowMaximized));
    QVERIFY(!p.window.isModal());
    QCOMPARE(p.preview().zoomMode(), ReportPreview::ZoomMode::Percent);
    QCOMPARE(p.preview().pixelsPerMm(), p.preview().logicalDpiX() / 25.4);
    // Page 1 from its top.
    QCOMPARE(p.preview().pageRect().top(), 10);
    QCOMPARE(p.preview().tag(), 0);
}

void TestPreviewWindow::clicksOnTheGreyToggleTheZoom()
{
    Previewing p;
    const QSize view = p.viewport()->size();

    QTest::mouseClick(p.viewport(), Qt::LeftButton, {}, p.grey());
    QCOMPARE(p.preview().tag(), 1);
    QCOMPARE(p.preview().zoomMode(), ReportPreview::ZoomMode::WholePage);
    const QRect whole = p.preview().pageRect();
    QVERIFY2(QRect(QPoint(), view).contains(whole), "the whole page is in view");

    QTest::mouseClick(p.viewport(), Qt::LeftButton, {}, p.grey());
    QCOMPARE(p.preview().tag(), 0);
    QCOMPARE(p.preview().zoomMode(), ReportPreview::ZoomMode::PageWidth);
    QVERIFY(qAbs(p.preview().pageRect().width() - (view.width() - 20)) <= 1);

    QTest::mouseClick(p.viewport(), Qt::LeftButton, {}, p.grey());
    QCOMPARE(p.preview().tag(), 1);
    QCOMPARE(p.preview().pageRect(), whole);

    // The page itself does not react to clicks.
    QTest::mouseClick(p.viewport(), Qt::LeftButton, {}, whole.center());
    QCOMPARE(p.preview().tag(), 1);
    QCOMPARE(p.preview().pageRect(), whole);

    // A tag the toggle does not know leaves everything as it is.
    p.preview().setTag(7);
    QTest::mouseClick(p.viewport(), Qt::LeftButton, {}, p.grey());
    QCOMPARE(p.preview().tag(), 7);
    QCOMPARE(p.preview().zoomMode(), ReportPreview::ZoomMode::WholePage);
    VERIFY_DIALOGS(p.dialogs);
}

void TestPreviewWindow::toggleCarriesOverToTheNextPreview()
{
    Previewing p;
    QTest::mouseClick(p.viewport(), Qt::LeftButton, {}, p.grey());
    QCOMPARE(p.preview().tag(), 1);
    button(p.window, "BitBtn1")->click();
    QVERIFY(!p.window.isVisible());

    // A new print of another document: the preview shows its page, and the
    // next click goes on where the toggle stopped.
    p.form4.showPreview();
    QVERIFY(p.window.isVisible());
    QCOMPARE(p.preview().QRPrinter()->page().setup().paper, Paper::A3);
    QCOMPARE(p.preview().tag(), 1);
    QTest::mouseClick(p.viewport(), Qt::LeftButton, {}, p.grey());
    QCOMPARE(p.preview().tag(), 0);
    QCOMPARE(p.preview().zoomMode(), ReportPreview::ZoomMode::PageWidth);
}

void TestPreviewWindow::wheelScrolls50PixelsWithoutLimits()
{
    Previewing p;
    QVERIFY(p.active);
    p.preview().setFocus();
    QVERIFY(p.preview().hasFocus());
    const QPoint at = p.grey();
    const int top = p.preview().pageRect().top();

    sendWheel(p.viewport(), at, {0, -120});
    QCOMPARE(p.preview().pageRect().top(), top - 50);
    // A small notch (a fine wheel or touchpad) is still one wheel event.
    sendWheel(p.viewport(), at, {0, -15});
    QCOMPARE(p.preview().pageRect().top(), top - 100);
    sendWheel(p.viewport(), at, {0, 120});
    QCOMPARE(p.preview().pageRect().top(), top - 50);
    // Sideways turns do not scroll.
    sendWheel(p.viewport(), at, {-120, 0});
    QCOMPARE(p.preview().pageRect().top(), top - 50);

    // On past the end of the page: grey shows below it, and each notch
    // back brings it 50 pixels down again.
    const int notches = (p.preview().pageRect().height() + p.viewport()->height()) / 50 + 2;
    for (int i = 0; i < notches; ++i)
        sendWheel(p.viewport(), at, {0, -120});
    QCOMPARE(p.preview().pageRect().top(), top - 50 - notches * 50);
    QVERIFY(p.preview().pageRect().bottom() < p.viewport()->height());
    sendWheel(p.viewport(), at, {0, 120});
    QCOMPARE(p.preview().pageRect().top(), top - notches * 50);

    // Without the keyboard focus the wheel does nothing here.
    button(p.window, "BitBtn2")->setFocus();
    const int before = p.preview().pageRect().top();
    sendWheel(p.viewport(), at, {0, -120});
    QCOMPARE(p.preview().pageRect().top(), before);
}

void TestPreviewWindow::mouseMoveOverTheGreyGivesFocus()
{
    Previewing p;
    QVERIFY(p.active);
    button(p.window, "BitBtn3")->setFocus();
    QVERIFY(!p.preview().hasFocus());

    sendMouseMove(p.viewport(), p.preview().pageRect().center());
    QVERIFY2(!p.preview().hasFocus(), "moving over the page itself changes nothing");

    sendMouseMove(p.viewport(), p.grey());
    QVERIFY(p.preview().hasFocus());
    const int top = p.preview().pageRect().top();
    sendWheel(p.viewport(), p.grey(), {0, -120});
    QCOMPARE(p.preview().pageRect().top(), top - 50);
}

void TestPreviewWindow::pageIsPaintedAtTheCurrentZoom()
{
    Previewing p;
    for (const int percent : {100, 250}) {
        p.preview().setZoomPercent(percent);
        const QImage shown = p.viewport()->grab().toImage();
        const double perMm = p.preview().pixelsPerMm();
        const QRect page = p.preview().pageRect();
        // The middle of the header's 0.7 mm left border (paper x 10.35 mm),
        // halfway between the frame's top and the logo.
        const QPoint border(page.left() + qRound(10.35 * perMm), page.top() + qRound(27 * perMm));
        const QColor seen = shown.pixelColor(border);
        QVERIFY2(seen.red() < 110 && seen.green() < 110,
                 qPrintable(QStringLiteral("%1 %: %2").arg(percent).arg(seen.name())));
        // Paper 3 mm left of the border is white.
        QCOMPARE(shown.pixelColor(border - QPoint(qRound(3 * perMm), 0)), QColor(Qt::white));
    }
}

void TestPreviewWindow::closeHidesAndKeepsThePage()
{
    Previewing p;
    const auto attached = p.preview().QRPrinter();
    button(p.window, "BitBtn1")->click();
    QVERIFY(!p.window.isVisible());
    QCOMPARE(p.preview().QRPrinter(), attached);
    QCOMPARE(p.form2.QuickRep1.page().label(QStringLiteral("QRLabelcgp")).caption,
             QStringLiteral("320/857/2007"));
    VERIFY_DIALOGS(p.dialogs);
}

void TestPreviewWindow::savePdfProposesNameInJobsFolder()
{
    Previewing p;
    const QString target = p.folder.file(QStringLiteral("Ulozene/ZPMZ 320-857-2007.pdf"));
    p.dialogs.expectSaveFile(target);
    button(p.window, "Bitpdf")->click();
    VERIFY_DIALOGS(p.dialogs);

    QCOMPARE(p.dialogs.fileRequests.size(), 1);
    const Dialogs::FileRequest& request = p.dialogs.fileRequests.first();
    QCOMPARE(request.title, QStringLiteral("Uložit PDF"));
    QCOMPARE(request.directory, p.folder.file(QStringLiteral("Ulozene")));
    QCOMPARE(request.fileName, QStringLiteral("ZPMZ 320-857-2007.pdf"));
    QCOMPARE(request.filters, QStringList{QStringLiteral("*.pdf")});

    const PdfProbe pdf(target);
    QVERIFY2(pdf.error().isEmpty(), qPrintable(pdf.error()));
    QVERIFY(pdf.allText().contains(QStringLiteral("ZÁZNAM PODROBNÉHO MĚŘENÍ ZMĚN")));
    QCOMPARE(pdf.lineAt(13.4, 57.1), QStringLiteral("320/857/2007"));
}

void TestPreviewWindow::savePdfCancelledOrFailing_data()
{
    QTest::addColumn<QString>("answer"); // relative to the program folder; empty = cancel
    QTest::addColumn<QString>("error");  // start of the expected error box
    QTest::newRow("cancelled") << ""
                               << "";
    QTest::newRow("folder missing") << "chybi/slozka/ZPMZ.pdf"
                                    << "PDF se nepodařilo uložit do souboru";
}

void TestPreviewWindow::savePdfCancelledOrFailing()
{
    QFETCH(QString, answer);
    QFETCH(QString, error);
    Previewing p;
    p.dialogs.expectSaveFile(answer.isEmpty() ? QString() : p.folder.file(answer));
    if (!error.isEmpty())
        p.dialogs.expectPrefix(Dialogs::Kind::Error, error);
    button(p.window, "Bitpdf")->click();
    VERIFY_DIALOGS(p.dialogs);
    const QStringList left =
        QDir(p.folder.path()).entryList({QStringLiteral("*.pdf")}, QDir::Files);
    QVERIFY2(left.isEmpty(), qPrintable(left.join(u',')));
    QVERIFY(QDir(p.folder.file(QStringLiteral("Ulozene"))).isEmpty());
}

void TestPreviewWindow::pdfFileNameFromTitle_data()
{
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("fileName");
    QTest::newRow("GP number") << "ZPMZ 320/857/2007"
                               << "ZPMZ 320-857-2007.pdf";
    QTest::newRow("Windows separators") << "ZPMZ 12\\2020:a"
                                        << "ZPMZ 12-2020-a.pdf";
    QTest::newRow("Czech letters kept") << "Desky GP Žďár"
                                        << "Desky GP Žďár.pdf";
    QTest::newRow("no title") << ""
                              << "tisk.pdf";
}

void TestPreviewWindow::pdfFileNameFromTitle()
{
    QFETCH(QString, title);
    QFETCH(QString, fileName);
    QCOMPARE(pdfFileName(title), fileName);
}

void TestPreviewWindow::printerSetupIsKeptPerReportForm()
{
    Previewing p;
    const auto chooseCopies = [](int copies, int result) {
        return [copies, result](QDialog& dialog) {
            auto* spin = dialog.findChild<QSpinBox*>(QStringLiteral("copies"));
            if (!spin)
                return int(QDialog::Rejected);
            spin->setValue(copies);
            if (result == QDialog::Accepted)
                dialog.accept();
            else
                dialog.reject();
            return dialog.result();
        };
    };
    // OK keeps the choice for the ZPMZ report form.
    p.dialogs.expectModal(chooseCopies(3, QDialog::Accepted));
    button(p.window, "BitBtn3")->click();
    QCOMPARE(p.form2.QuickRep1.printerSettings()->printer().copyCount(), 3);

    // Cancel changes nothing.
    p.dialogs.expectModal(chooseCopies(5, QDialog::Rejected));
    button(p.window, "BitBtn3")->click();
    QCOMPARE(p.form2.QuickRep1.printerSettings()->printer().copyCount(), 3);

    // Another report form has its own settings, still at one copy.
    p.form4.showPreview();
    int seenCopies = 0;
    p.dialogs.expectModal([&](QDialog& dialog) {
        seenCopies = dialog.findChild<QSpinBox*>(QStringLiteral("copies"))->value();
        dialog.reject();
        return dialog.result();
    });
    button(p.window, "BitBtn3")->click();
    QCOMPARE(seenCopies, 1);
    QCOMPARE(p.form4.QuickRep1.printerSettings()->printer().copyCount(), 1);

    // Back to the ZPMZ page in the same run: its three copies are still there.
    p.form2.showPreview();
    p.dialogs.expectModal([&](QDialog& dialog) {
        seenCopies = dialog.findChild<QSpinBox*>(QStringLiteral("copies"))->value();
        dialog.reject();
        return dialog.result();
    });
    button(p.window, "BitBtn3")->click();
    QCOMPARE(seenCopies, 3);
    VERIFY_DIALOGS(p.dialogs);
}

QTEST_MAIN(TestPreviewWindow)
#include "tst_previewwindow.moc"
