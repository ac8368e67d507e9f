// Times a fresh load of the region lists of Středočeský kraj (2,075
// territories) from the shipped data into the code, territory and municipality
// combos, as the main window does when the user picks that region.
//
//   bench_regionload [repetitions]      (default 25; runs offscreen unless
//                                        QT_QPA_PLATFORM says otherwise)

#include "commanderror.h"
#include "dialogs.h"
#include "regionlookup.h"
#include "regiontable.h"

#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QWidget>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {

// Fails loudly instead of showing a box: a failed load would time nothing.
class NoDialogs : public Dialogs
{
public:
    Button message(Kind, const QString& text, const QList<Button>&) override
    {
        std::fprintf(stderr, "%s\n", qPrintable(text));
        std::exit(1);
    }
    QString openFileName(const FileRequest&) override { return {}; }
    QString saveFileName(const FileRequest&) override { return {}; }
    int execModal(QDialog&) override { return 0; }
    bool startProgram(const QString&, const QStringList&, const QString&) override { return false; }
};

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const int repetitions = argc > 1 ? std::max(1, std::atoi(argv[1])) : 25;

    QWidget window;
    RegionWidgets widgets;
    for (QComboBox** combo :
         {&widgets.ComboBox4, &widgets.ComboBox1, &widgets.Comboku, &widgets.Comboob})
        *combo = new QComboBox(&window);
    for (QLineEdit*& box : widgets.Editcku)
        box = new QLineEdit(&window);
    widgets.ComboBox1->hide();
    window.show();

    NoDialogs dialogs;
    RegionLookup lookup(ProgramFolder(QStringLiteral(ZEMLAR_DATA_DIR)), dialogs, widgets);
    const int region = RegionTable::find(QStringLiteral("Středočeský kraj"));
    widgets.ComboBox4->setCurrentIndex(region);

    std::vector<double> milliseconds;
    for (int i = 0; i < repetitions; ++i) {
        QElapsedTimer timer;
        timer.start();
        lookup.regionPicked();
        milliseconds.push_back(double(timer.nsecsElapsed()) / 1e6);
    }
    if (widgets.Comboku->count() != 2075 || widgets.Comboob->count() != 2075 ||
        widgets.ComboBox1->count() != 2075) {
        std::fprintf(stderr, "unexpected list sizes %d %d %d\n", widgets.ComboBox1->count(),
                     widgets.Comboku->count(), widgets.Comboob->count());
        return 1;
    }

    std::sort(milliseconds.begin(), milliseconds.end());
    std::printf("load region lists, %s (%d territories), %d repetitions\n",
                qPrintable(lookup.regionFileName()), widgets.Comboku->count(), repetitions);
    std::printf("median %.2f ms, fastest %.2f ms, slowest %.2f ms\n",
                milliseconds[milliseconds.size() / 2], milliseconds.front(), milliseconds.back());
    return 0;
}
