// Times rendering the filled ZPMZ title page to PDF and to a screen-sized
// image, as the preview does at every paint. Prints the median of several
// runs. With --pdf FILE it also writes the page there (for the docs picture).
#include "pagerenderer.h"
#include "pdfexport.h"
#include "tform2.h"
#include "tform3.h"
#include "zpmzsample.h"

#include "dialogs.h"

#include <QApplication>
#include <QBuffer>
#include <QDir>
#include <QElapsedTimer>
#include <QPainter>
#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

struct Timing
{
    double median;
    double fastest;
    double slowest;
};

Timing measure(int runs, const std::function<void()>& work)
{
    work(); // warm the font and glyph caches
    std::vector<double> times;
    for (int i = 0; i < runs; ++i) {
        QElapsedTimer timer;
        timer.start();
        work();
        times.push_back(timer.nsecsElapsed() / 1e6);
    }
    std::sort(times.begin(), times.end());
    return {times[times.size() / 2], times.front(), times.back()};
}

void report(const char* what, const Timing& t, int runs)
{
    std::printf("%-44s median %8.2f ms  (min %.2f, max %.2f, %d runs)\n", what, t.median, t.fastest,
                t.slowest, runs);
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    WidgetDialogs dialogs;
    TForm3 preview(dialogs, ProgramFolder(QDir::tempPath()));
    TForm2 form(preview);
    form.fill(sampleZpmzInputs());
    const ReportPage& page = form.QuickRep1.page();

    const QStringList args = app.arguments();
    const int pdfArg = args.indexOf(QStringLiteral("--pdf"));
    if (pdfArg > 0 && pdfArg + 1 < args.size()) {
        const PdfOutcome outcome = savePdf(page, form.QuickRep1.title(), args.at(pdfArg + 1));
        std::printf("wrote %s: %s\n", qPrintable(args.at(pdfArg + 1)),
                    outcome.result == PdfResult::Saved ? "ok" : qPrintable(outcome.reason));
    }

    const int runs = 21;
    qint64 pdfBytes = 0;
    report("ZPMZ page to PDF/A (in memory)",
           measure(runs,
                   [&] {
                       QBuffer buffer;
                       buffer.open(QIODevice::WriteOnly);
                       writePdf(page, form.QuickRep1.title(), buffer);
                       pdfBytes = buffer.size();
                   }),
           runs);
    std::printf("%-44s %lld bytes\n", "  PDF size", static_cast<long long>(pdfBytes));

    // The preview at 100 % on a 1920 x 1080 screen: a full repaint of the area.
    QImage screen(1920, 1080, QImage::Format_ARGB32_Premultiplied);
    report("ZPMZ page to 1920x1080 image at 100 %",
           measure(runs,
                   [&] {
                       screen.fill(Qt::gray);
                       QPainter painter(&screen);
                       painter.translate(563, 10);
                       renderPage(painter, page, 96 / 25.4);
                   }),
           runs);
    // The whole page fitted to the screen height.
    report("ZPMZ page to 1920x1080 image, whole page",
           measure(runs,
                   [&] {
                       screen.fill(Qt::gray);
                       QPainter painter(&screen);
                       painter.translate(580, 10);
                       renderPage(painter, page, 1060 / 297.0);
                   }),
           runs);
    report("ZPMZ page to 300 dpi image (2480x3508)",
           measure(5,
                   [&] {
                       const QImage image = renderPageImage(page, 300);
                       Q_UNUSED(image);
                   }),
           5);
    return 0;
}
