#include "commanderror.h"
#include "jobfixture.h"
#include "jobform.h"
#include "linefile.h"
#include "regionlookup.h"
#include "scripteddialogs.h"
#include "testfolder.h"
#include "tform1.h"
#include "ui_tform1.h"

#include <QtTest>

using JobFixture::fieldLine;
using JobFixture::fieldNames;
using Result = JobForm::ApplyResult;

Q_DECLARE_METATYPE(JobForm::ApplyResult)

namespace {

// A main window with the job operations on it; the region lists are stood in
// for by a record of what the restore saw.
struct Window
{
    TestFolder folder;
    ScriptedDialogs dialogs;
    std::unique_ptr<TForm1> form = JobFixture::mainWindow(folder, dialogs);
    QStringList restoresSaw; // ComboBox4, Comboku and Comboob texts at each restore
    std::function<void()> restoreFailure;
    JobForm job{*form, [this] {
                    Ui::TForm1& ui = form->controls();
                    restoresSaw << ui.ComboBox4->currentText() + u'|' + ui.Comboku->currentText() +
                                       u'|' + ui.Comboob->currentText();
                    if (restoreFailure)
                        restoreFailure();
                }};

    Ui::TForm1& ui() { return form->controls(); }
    Result apply(const QByteArray& bytes)
    {
        return job.apply(JobFile::Lines(LineFile::splitLines(bytes)));
    }
};

QByteArray withLine(QStringList lines, int n, const QString& value)
{
    lines[n - 1] = value;
    return LineFile::joinLines(lines);
}

QByteArray firstLines(int count)
{
    return LineFile::joinLines(JobFixture::sampleLines().mid(0, count));
}

// The nine restored boxes in the order CheckBox5, 6, 7, 8, 9, 10, 11, 19, 20.
QList<QCheckBox*> yesNoBoxes(Ui::TForm1& ui)
{
    return {ui.CheckBox5,  ui.CheckBox6,  ui.CheckBox7,  ui.CheckBox8, ui.CheckBox9,
            ui.CheckBox10, ui.CheckBox11, ui.CheckBox19, ui.CheckBox20};
}

// "x" for a ticked box and "." for an unticked one.
QString ticks(Ui::TForm1& ui)
{
    QString marks;
    for (QCheckBox* box : yesNoBoxes(ui))
        marks += box->isChecked() ? u'x' : u'.';
    return marks;
}

QString captions(Ui::TForm1& ui)
{
    QStringList texts;
    for (QCheckBox* box : yesNoBoxes(ui))
        texts << box->text();
    return texts.join(u',');
}

} // namespace

class TestJobForm : public QObject
{
    Q_OBJECT
private slots:
    void copiesListOfTheFormIsTheFilesList();
    void everyLineBelongsToItsField_data();
    void everyLineBelongsToItsField();
    void writtenAndReadBackRestoresEveryField();
    void apply_data();
    void apply();
    void restoredCombosRunNoLookups();
    void regionRestoreFailureIsNoFailureOfTheApply();
    void regionListsFollowTheRestoredRegion();
};

void TestJobForm::copiesListOfTheFormIsTheFilesList()
{
    Window window;
    QStringList items;
    for (int i = 0; i < window.ui().ComboBox3->count(); ++i)
        items << window.ui().ComboBox3->itemText(i);
    QCOMPARE(items, JobFile::copiesEntries());
}

void TestJobForm::everyLineBelongsToItsField_data()
{
    QTest::addColumn<int>("line");
    for (int n = 1; n <= fieldNames().size(); ++n)
        QTest::newRow(qPrintable(QStringLiteral("%1 %2").arg(n).arg(fieldNames().at(n - 1)))) << n;
}

// One line carries a mark that no other line has; only its own field may get it,
// and only its field's mark may come out on that line.
void TestJobForm::everyLineBelongsToItsField()
{
    QFETCH(int, line);
    const QString name = fieldNames().at(line - 1);
    // Plain lines: empty texts, no copies chosen, "NE" boxes, a date.
    QStringList plain;
    for (const QString& field : fieldNames()) {
        if (field == QStringLiteral("ComboBox3"))
            plain << QStringLiteral("0");
        else if (field.startsWith(QStringLiteral("CheckBox")))
            plain << QStringLiteral("NE");
        else if (field == QStringLiteral("DateTimePicker1"))
            plain << QStringLiteral("1.1.2014");
        else
            plain << QString();
    }
    QString mark = QStringLiteral("Ř");
    if (name == QStringLiteral("ComboBox3"))
        mark = QStringLiteral("37");
    else if (name.startsWith(QStringLiteral("CheckBox")))
        mark = QStringLiteral("ANO");
    else if (name == QStringLiteral("DateTimePicker1"))
        mark = QStringLiteral("29.2.2008");

    Window window;
    QCOMPARE(window.apply(withLine(plain, line, mark)), Result::Applied);
    for (int n = 1; n <= fieldNames().size(); ++n) {
        const QString value = fieldLine(*window.form, fieldNames().at(n - 1));
        QVERIFY2(n == line ? value == mark : value != mark,
                 qPrintable(QStringLiteral("%1 holds \"%2\"").arg(fieldNames().at(n - 1), value)));
    }

    QCOMPARE(window.apply(LineFile::joinLines(plain)), Result::Applied);
    JobFixture::setField(*window.form, name, mark);
    const QStringList written = window.job.compose().all();
    QCOMPARE(written.size(), 67);
    for (int n = 1; n <= written.size(); ++n)
        QVERIFY2(n == line ? written.at(n - 1) == mark : written.at(n - 1) != mark,
                 qPrintable(QStringLiteral("line %1 holds \"%2\"").arg(n).arg(written.at(n - 1))));
}

void TestJobForm::writtenAndReadBackRestoresEveryField()
{
    const QStringList sample = JobFixture::sampleLines();
    Window writing;
    JobFixture::setFields(*writing.form, sample);
    const QString path = writing.folder.file("job.zpm");
    writing.job.compose().write(path);

    Window reading;
    // Something in every field first, so nothing passes by being left alone.
    QStringList other;
    for (int n = 1; n <= 67; ++n)
        other << (n == 22 ? QStringLiteral("3") : n == 67 ? QStringLiteral("2.2.2002") : "x");
    QCOMPARE(reading.apply(LineFile::joinLines(other)), Result::Applied);

    QCOMPARE(reading.job.apply(JobFile::Lines::load(path)), Result::Applied);
    for (int n = 1; n <= 67; ++n)
        QCOMPARE(fieldLine(*reading.form, fieldNames().at(n - 1)), sample.at(n - 1));
    Ui::TForm1& ui = reading.ui();
    QCOMPARE(ui.ComboBox3->currentIndex(), 10);
    QCOMPARE(ui.ComboBox3->currentText(), QStringLiteral("9"));
    QCOMPARE(ticks(ui), ticks(writing.ui()));
    QCOMPARE(ui.Editcgp->text(), QStringLiteral("320-857/2007"));
    VERIFY_DIALOGS(writing.dialogs);
    VERIFY_DIALOGS(reading.dialogs);
}

void TestJobForm::apply_data()
{
    const QStringList sample = JobFixture::sampleLines();
    const QByteArray complete = LineFile::joinLines(sample);
    QByteArray lfOnly = complete;
    lfOnly.replace("\r\n", "\n");
    QByteArray crOnly = complete;
    crOnly.replace("\r\n", "\r");

    // Before each apply: Editcgp and Editzdp2 hold "před", ComboBox3 index 7
    // ("6"), the covers date 1.1.2014, the third tab is shown, and the boxes
    // are as at start: CheckBox5 ticked with "ANO", the others "NE".
    const QString startCaptions = QStringLiteral("ANO,NE,NE,NE,NE,NE,NE,NE,NE");
    const QString sampleCaptions = QStringLiteral("NE,ANO,ANO,NE,ANO,NE,ANO,NE,NE");
    const QString sampleTicks = QStringLiteral(".xx.x.x..");
    const QDate sampleDate(2007, 3, 9);
    const QDate startDate(2014, 1, 1);
    const QString region = QStringLiteral("Vysočinu");

    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<Result>("result");
    QTest::addColumn<QString>("gpNumber");
    QTest::addColumn<int>("copies");
    QTest::addColumn<QString>("copiesText");
    QTest::addColumn<QString>("region");
    QTest::addColumn<QString>("parcels2");
    QTest::addColumn<QDate>("date");
    QTest::addColumn<QString>("ticks");
    QTest::addColumn<QString>("captions");

    auto applied = [&](const char* name, const QByteArray& bytes) -> QTestData& {
        return QTest::newRow(name)
               << bytes << Result::Applied << "320-857/2007" << 10 << "9" << region << "  a 127 "
               << sampleDate << sampleTicks << sampleCaptions;
    };
    applied("complete, GP number keeps its slash", complete);
    applied("more than 67 lines", complete + "navíc\r\n1.1.1999\r\n");
    applied("LF only", lfOnly);
    applied("CR only", crOnly);

    QTest::newRow("66 lines: no date, nothing after it")
        << firstLines(66) << Result::DateNotValid << "320-857/2007" << 10 << "9" << region
        << "  a 127 " << startDate << "x........" << sampleCaptions;
    QTest::newRow("22 lines: the rest empty")
        << firstLines(22) << Result::DateNotValid << "320-857/2007" << 10 << "9"
        << ""
        << "" << startDate << "x........"
        << ",,,,,,,,";
    QTest::newRow("21 lines: stops at the copies")
        << firstLines(21) << Result::CopiesNotANumber << "320-857/2007" << 7 << "6"
        << ""
        << "před" << startDate << "x........" << startCaptions;
    QTest::newRow("empty file") << QByteArray() << Result::CopiesNotANumber << "" << 7 << "6"
                                << ""
                                << "před" << startDate << "x........" << startCaptions;

    struct Copies
    {
        const char* line;
        int index;
        const char* text;
    };
    for (const Copies& copies : {Copies{"15", 15, "14"}, Copies{"16", 16, "16"}, Copies{"0", 0, ""},
                                 Copies{"-1", -1, ""}, Copies{"51", -1, ""}}) {
        QTest::addRow("copies line %s", copies.line)
            << withLine(sample, 22, copies.line) << Result::Applied << "320-857/2007"
            << copies.index << copies.text << region << "  a 127 " << sampleDate << sampleTicks
            << sampleCaptions;
    }
    QTest::newRow("copies line abc")
        << withLine(sample, 22, "abc") << Result::CopiesNotANumber << "320-857/2007" << 7 << "6"
        << ""
        << "před" << startDate << "x........" << startCaptions;

    // Lines 23, 24, 25 and 60: CheckBox5, CheckBox6, CheckBox7 and CheckBox8.
    auto yesNo = [&](const char* name, const QString& box5, const QString& box6,
                     const QString& box7, const QString& box8, const char* ticks,
                     const QString& captions) {
        QStringList lines = sample;
        lines[22] = box5;
        lines[23] = box6;
        lines[24] = box7;
        lines[59] = box8;
        QTest::newRow(name) << LineFile::joinLines(lines) << Result::Applied << "320-857/2007" << 10
                            << "9" << region << "  a 127 " << sampleDate << ticks << captions;
    };
    yesNo("ANO for CheckBox5 and CheckBox7: the coupling unticks CheckBox5", "ANO", "NE", "ANO",
          "NE", "..x.x.x..", "NE,NE,ANO,NE,ANO,NE,ANO,NE,NE");
    yesNo("NE for CheckBox5 and CheckBox7", "NE", "NE", "NE", "NE", "....x.x..",
          "NE,NE,NE,NE,ANO,NE,ANO,NE,NE");
    yesNo("lower-case ne and an empty line tick", "NE", "ne", "ANO", "", ".xxxx.x..",
          "NE,ANO,ANO,ANO,ANO,NE,ANO,NE,NE");
    yesNo("a box already ticked keeps an odd caption", "ne", "NE", "NE", "NE", "x...x.x..",
          "ne,NE,NE,NE,ANO,NE,ANO,NE,NE");

    QTest::newRow("a region text that names no region")
        << withLine(sample, 26, "Nikde") << Result::Applied << "320-857/2007" << 10 << "9"
        << "Nikde"
        << "  a 127 " << sampleDate << sampleTicks << sampleCaptions;
}

void TestJobForm::apply()
{
    QFETCH(QByteArray, bytes);
    QFETCH(Result, result);
    QFETCH(QString, gpNumber);
    QFETCH(int, copies);
    QFETCH(QString, copiesText);
    QFETCH(QString, region);
    QFETCH(QString, parcels2);
    QFETCH(QDate, date);
    QFETCH(QString, ticks);
    QFETCH(QString, captions);

    Window window;
    Ui::TForm1& ui = window.ui();
    ui.Editcgp->setText(QStringLiteral("před"));
    ui.Editzdp2->setText(QStringLiteral("před"));
    ui.ComboBox3->setCurrentIndex(7);
    ui.PageControl1->setCurrentWidget(ui.TabSheet3);

    QCOMPARE(window.apply(bytes), result);
    QCOMPARE(ui.Editcgp->text(), gpNumber);
    QCOMPARE(ui.ComboBox3->currentIndex(), copies);
    QCOMPARE(ui.ComboBox3->currentText(), copiesText);
    QCOMPARE(ui.ComboBox4->currentText(), region);
    QCOMPARE(ui.Editzdp2->text(), parcels2);
    QCOMPARE(ui.DateTimePicker1->date(), date);
    QCOMPARE(::ticks(ui), ticks);
    QCOMPARE(::captions(ui), captions);

    // The region lists, the ticks and the tab follow only a complete apply,
    // and the lists are restored after every text is back.
    const bool applied = result == Result::Applied;
    QCOMPARE(window.restoresSaw, applied ? QStringList{region + u'|' + ui.Comboku->currentText() +
                                                       u'|' + ui.Comboob->currentText()}
                                         : QStringList{});
    QCOMPARE(ui.PageControl1->currentWidget(), applied ? ui.TabSheet1 : ui.TabSheet3);
    if (applied)
        QCOMPARE(ui.Comboku->currentText(), JobFixture::sampleLines().at(18));
    VERIFY_DIALOGS(window.dialogs);
}

void TestJobForm::restoredCombosRunNoLookups()
{
    Window window;
    Ui::TForm1& ui = window.ui();
    ui.Comboku->addItems({"Bohdalov", "Nové Veselí"});
    int textSignals = 0;
    for (QComboBox* combo : {ui.Comboku, ui.Comboob, ui.ComboBox4}) {
        connect(combo, &QComboBox::editTextChanged, this, [&] { ++textSignals; });
        connect(combo, &QComboBox::currentTextChanged, this, [&] { ++textSignals; });
        connect(combo, &QComboBox::currentIndexChanged, this, [&] { ++textSignals; });
    }
    QCOMPARE(window.apply(JobFixture::sampleBytes()), Result::Applied);
    QCOMPARE(textSignals, 0);
    QCOMPARE(ui.Comboku->count(), 2);
    QCOMPARE(ui.Comboku->currentText(), QStringLiteral("Nové Veselí"));
    // The territory number boxes keep the lines of the file.
    const QStringList sample = JobFixture::sampleLines();
    QCOMPARE(ui.Editcku1->text() + ui.Editcku2->text() + ui.Editcku3->text() + ui.Editcku4->text() +
                 ui.Editcku5->text() + ui.Editcku6->text(),
             sample.mid(0, 6).join(QString()));
}

void TestJobForm::regionRestoreFailureIsNoFailureOfTheApply()
{
    Window window;
    window.restoreFailure = [] {
        throw CommandError(QStringLiteral("Cannot open file \"cisla/x.txt\". No such file"));
    };
    Ui::TForm1& ui = window.ui();
    ui.PageControl1->setCurrentWidget(ui.TabSheet2);
    QCOMPARE(window.apply(JobFixture::sampleBytes()), Result::Applied);
    QCOMPARE(window.restoresSaw.size(), 1);
    QCOMPARE(ticks(ui), QStringLiteral(".xx.x.x.."));
    QCOMPARE(ui.PageControl1->currentWidget(), ui.TabSheet1);
    VERIFY_DIALOGS(window.dialogs);
}

// With the program's own region lookup behind the restore step.
void TestJobForm::regionListsFollowTheRestoredRegion()
{
    TestFolder folder;
    ScriptedDialogs dialogs;
    std::unique_ptr<TForm1> form = JobFixture::mainWindow(folder, dialogs);
    JobForm job(*form, [&] { form->regionLookup().restoreForJob(); });
    Ui::TForm1& ui = form->controls();
    const QStringList sample = JobFixture::sampleLines();
    auto territories = [&] {
        QStringList items;
        for (int i = 0; i < ui.Comboku->count(); ++i)
            items << ui.Comboku->itemText(i);
        return items;
    };

    // No region chosen yet: a text that names none leaves the lists empty.
    QCOMPARE(job.apply(JobFile::Lines(LineFile::splitLines(withLine(sample, 26, "Nikde")))),
             Result::Applied);
    QCOMPARE(ui.Comboku->count(), 0);

    QCOMPARE(job.apply(JobFile::Lines(sample)), Result::Applied);
    const QStringList vysocina = territories();
    QVERIFY(vysocina.contains(QStringLiteral("Nové Veselí")));
    // The restored texts and the territory number stay as the file has them.
    QCOMPARE(ui.Comboku->currentText(), sample.at(18));
    QCOMPARE(ui.Comboob->currentText(), sample.at(17));
    QCOMPARE(ui.Editcku1->text() + ui.Editcku2->text() + ui.Editcku3->text() + ui.Editcku4->text() +
                 ui.Editcku5->text() + ui.Editcku6->text(),
             sample.mid(0, 6).join(QString()));

    // A region text that names none keeps the lists of the region last used.
    QCOMPARE(job.apply(JobFile::Lines(LineFile::splitLines(withLine(sample, 26, "Nikde")))),
             Result::Applied);
    QCOMPARE(ui.ComboBox4->currentText(), QStringLiteral("Nikde"));
    QCOMPARE(territories(), vysocina);
    VERIFY_DIALOGS(dialogs);
}

QTEST_MAIN(TestJobForm)
#include "tst_jobform.moc"
