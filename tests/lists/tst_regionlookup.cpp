#include "regionlookup.h"
#include "scripteddialogs.h"
#include "testfolder.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

struct RegionFiles
{
    QStringList codes;          // "cisla"
    QStringList territories;    // "ku"
    QStringList municipalities; // "obce"
    bool hasMunicipalities = true;
};

// Small region lists. Borek is the municipality of two territories, the
// Karlovarský code list is shorter than its territory list, and Zlínský has no
// "obce" file; Královéhradecký has no files at all.
const QMap<QString, RegionFiles>& fixtures()
{
    static const QMap<QString, RegionFiles> files = {
        {u"jihocesky.txt"_s,
         {{u"123456"_s, u"5432"_s, u"987654321"_s},
          {u"Adamov"_s, u"Borek"_s, u"Čejkovice"_s},
          {u"Adamov"_s, u"Borek"_s, u"Borek"_s}}},
        {u"praha.txt"_s,
         {{u"727181"_s, u"600001"_s},
          {u"Nové Město"_s, u"Staré Město"_s},
          {u"Praha"_s, u"Praha"_s}}},
        {u"moravskoslezky.txt"_s, {{u"713520"_s}, {u"Moravská Ostrava"_s}, {u"Ostrava"_s}}},
        {u"karlovarsky.txt"_s, {{u"600377"_s}, {u"Aš"_s, u"Hranice"_s}, {u"Aš"_s, u"Hranice"_s}}},
        {u"zlinsky.txt"_s, {{u"793221"_s}, {u"Zlín"_s}, {}, false}},
    };
    return files;
}

// What the lookup's widgets show after the steps of a row.
struct Expected
{
    QString regionFile{};
    QString regionText{};
    QString codesFrom{}; // fixture whose code list is loaded; empty: no items
    QString territoriesFrom{};
    QString municipalitiesFrom{};
    int territoryIndex = -1;
    QString territoryText{};
    int municipalityIndex = -1;
    QString municipalityText{};
    int codeIndex = -1;
    QString boxes = u"|||||"_s; // texts of Editcku1..6 joined by '|'
    QString errorFile{};        // list file named by the error box; empty: no box
    bool focusOnTerritory = false;
};

const QString jobTerritory = u"Job territory"_s;
const QString jobMunicipality = u"Job municipality"_s;
const QString jobBoxes = u"7|2|7|1|8|1"_s;

} // namespace

Q_DECLARE_METATYPE(Expected)

// The main window's region controls, as the lookup sees them.
class RegionControls : public QWidget
{
public:
    RegionControls()
    {
        auto* layout = new QHBoxLayout(this);
        for (QComboBox** combo : {&ComboBox4, &ComboBox1, &Comboku, &Comboob}) {
            *combo = new QComboBox(this);
            (*combo)->setEditable(true);
            layout->addWidget(*combo);
        }
        ComboBox4->setObjectName(u"ComboBox4"_s);
        Comboku->setObjectName(u"Comboku"_s);
        Comboob->setObjectName(u"Comboob"_s);
        ComboBox1->setVisible(false);
        for (QLineEdit*& box : Editcku) {
            box = new QLineEdit(this);
            box->setMaxLength(1);
            layout->addWidget(box);
        }
        elsewhere = new QLineEdit(this);
        layout->addWidget(elsewhere);
    }

    RegionWidgets widgets() const { return {ComboBox4, ComboBox1, Comboku, Comboob, Editcku}; }

    QString boxes() const
    {
        QStringList texts;
        for (QLineEdit* box : Editcku)
            texts << box->text();
        return texts.join(u'|');
    }

    QComboBox* ComboBox4 = nullptr;
    QComboBox* ComboBox1 = nullptr;
    QComboBox* Comboku = nullptr;
    QComboBox* Comboob = nullptr;
    std::array<QLineEdit*, 6> Editcku{};
    QLineEdit* elsewhere = nullptr; // holds the focus before each step
};

class TestRegionLookup : public QObject
{
    Q_OBJECT

private slots:
    void lookup_data();
    void lookup();
    void typingIntoTerritoryKeepsTypedText();

private:
    static void writeFixtures(const TestFolder& folder);
    static QStringList items(const QComboBox* combo);
    static void pick(QComboBox* combo, int position);
    static void type(QComboBox* combo, const QString& text);
};

void TestRegionLookup::writeFixtures(const TestFolder& folder)
{
    for (auto it = fixtures().cbegin(); it != fixtures().cend(); ++it) {
        folder.writeLines(u"cisla/"_s + it.key(), it->codes);
        folder.writeLines(u"ku/"_s + it.key(), it->territories);
        if (it->hasMunicipalities)
            folder.writeLines(u"obce/"_s + it.key(), it->municipalities);
    }
}

QStringList TestRegionLookup::items(const QComboBox* combo)
{
    QStringList result;
    for (int i = 0; i < combo->count(); ++i)
        result << combo->itemText(i);
    return result;
}

// What QComboBox does when the user picks an item from its drop-down list.
void TestRegionLookup::pick(QComboBox* combo, int position)
{
    combo->setCurrentIndex(position);
    emit combo->activated(position);
}

// The user replaces the text of the box by typing, with the list closed.
void TestRegionLookup::type(QComboBox* combo, const QString& text)
{
    combo->lineEdit()->selectAll();
    QTest::keyClicks(combo->lineEdit(), text);
}

void TestRegionLookup::lookup_data()
{
    QTest::addColumn<QString>("storedRegion"); // text of ComboBox4 before the window is shown
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<Expected>("expected");

    const QString jc = u"jihocesky.txt"_s;
    const QString praha = u"praha.txt"_s;
    const QString zlin = u"zlinsky.txt"_s;

    QTest::newRow("first start, no stored region")
        << QString() << QStringList{u"show"_s} << Expected{.focusOnTerritory = true};
    QTest::newRow("stored region loaded on show") << u"Jihočeský kraj"_s << QStringList{u"show"_s}
                                                  << Expected{.regionFile = jc,
                                                              .regionText = u"Jihočeský kraj"_s,
                                                              .codesFrom = jc,
                                                              .territoriesFrom = jc,
                                                              .municipalitiesFrom = jc,
                                                              .focusOnTerritory = true};
    QTest::newRow("older spelling of Moravskoslezský kraj")
        << u"Moravskoslezký kraj"_s << QStringList{u"show"_s}
        << Expected{.regionFile = u"moravskoslezky.txt"_s,
                    .regionText = u"Moravskoslezský kraj"_s,
                    .codesFrom = u"moravskoslezky.txt"_s,
                    .territoriesFrom = u"moravskoslezky.txt"_s,
                    .municipalitiesFrom = u"moravskoslezky.txt"_s,
                    .focusOnTerritory = true};

    const Expected jcLoaded{.regionFile = jc,
                            .regionText = u"Jihočeský kraj"_s,
                            .codesFrom = jc,
                            .territoriesFrom = jc,
                            .municipalitiesFrom = jc};
    Expected e = jcLoaded;
    e.territoryIndex = e.municipalityIndex = e.codeIndex = 0;
    e.territoryText = e.municipalityText = u"Adamov"_s;
    e.boxes = u"1|2|3|4|5|6"_s;
    QTest::newRow("six-digit code")
        << u"Jihočeský kraj"_s << QStringList{u"show"_s, u"pickTerritory 0"_s} << e;

    e = jcLoaded;
    e.territoryIndex = e.municipalityIndex = e.codeIndex = 1;
    e.territoryText = e.municipalityText = u"Borek"_s;
    e.boxes = u"5|4|3|2||"_s;
    QTest::newRow("four-character code empties boxes 5 and 6")
        << u"Jihočeský kraj"_s << QStringList{u"show"_s, u"pickTerritory 0"_s, u"pickTerritory 1"_s}
        << e;

    e = jcLoaded;
    e.territoryIndex = e.municipalityIndex = e.codeIndex = 2;
    e.territoryText = u"Čejkovice"_s;
    e.municipalityText = u"Borek"_s;
    e.boxes = u"9|8|7|6|5|4"_s;
    QTest::newRow("nine-character code")
        << u"Jihočeský kraj"_s << QStringList{u"show"_s, u"pickTerritory 2"_s} << e;
    QTest::newRow("picking a municipality selects the territory on its line")
        << u"Jihočeský kraj"_s << QStringList{u"show"_s, u"pickMunicipality 2"_s} << e;

    e = Expected{.regionFile = u"karlovarsky.txt"_s,
                 .regionText = u"Karlovarský kraj"_s,
                 .codesFrom = u"karlovarsky.txt"_s,
                 .territoriesFrom = u"karlovarsky.txt"_s,
                 .municipalitiesFrom = u"karlovarsky.txt"_s,
                 .territoryIndex = 1,
                 .territoryText = u"Hranice"_s,
                 .municipalityIndex = 1,
                 .municipalityText = u"Hranice"_s};
    QTest::newRow("territory beyond the end of the code list")
        << u"Karlovarský kraj"_s
        << QStringList{u"show"_s, u"pickTerritory 0"_s, u"pickTerritory 1"_s} << e;

    e = jcLoaded;
    e.territoryText = u"Xy"_s;
    QTest::newRow("typing with the list closed deselects and clears")
        << u"Jihočeský kraj"_s
        << QStringList{u"show"_s, u"pickTerritory 0"_s, u"typeTerritory Xy"_s} << e;

    e = jcLoaded;
    e.municipalityText = u"Xy"_s;
    QTest::newRow("typing a municipality deselects the territory")
        << u"Jihočeský kraj"_s
        << QStringList{u"show"_s, u"pickTerritory 1"_s, u"typeMunicipality Xy"_s} << e;

    e = jcLoaded;
    e.territoryText = u"Xy"_s;
    e.municipalityText = jobMunicipality;
    e.focusOnTerritory = false;
    QTest::newRow("typing with no municipality selected keeps its text")
        << u"Jihočeský kraj"_s
        << QStringList{u"show"_s, u"restore Jihočeský kraj"_s, u"typeTerritory Xy"_s} << e;

    e = jcLoaded;
    e.territoryIndex = 2;
    e.territoryText = u"Čejkovice"_s;
    e.municipalityIndex = 1;
    e.municipalityText = u"Borek"_s;
    e.codeIndex = 0;
    e.boxes = u"1|2|3|4|5|6"_s;
    QTest::newRow("selections set by the program pick nothing")
        << u"Jihočeský kraj"_s
        << QStringList{u"show"_s, u"pickTerritory 0"_s, u"setTerritory 2"_s, u"setMunicipality 1"_s}
        << e;

    e = jcLoaded;
    e.territoryIndex = e.municipalityIndex = e.codeIndex = 0;
    e.territoryText = e.municipalityText = u"Adamov"_s;
    e.boxes = u"1|2|3|4|5|6"_s;
    e.regionText = u"Prahu"_s;
    QTest::newRow("typing into the region field changes nothing")
        << u"Jihočeský kraj"_s
        << QStringList{u"show"_s, u"pickTerritory 0"_s, u"typeRegion Prahu"_s} << e;

    e = jcLoaded;
    e.territoryText = u"Borek"_s;
    QTest::newRow("leaving a typed territory name picks nothing")
        << u"Jihočeský kraj"_s
        << QStringList{u"show"_s, u"typeTerritory Borek"_s, u"leave Comboku"_s} << e;

    e = jcLoaded;
    e.territoryIndex = e.municipalityIndex = e.codeIndex = 1;
    e.territoryText = e.municipalityText = u"Borek"_s;
    e.boxes = u"5|4|3|2||"_s;
    QTest::newRow("Enter on a typed territory name picks it")
        << u"Jihočeský kraj"_s << QStringList{u"show"_s, u"enterTerritory Borek"_s} << e;

    QTest::newRow("Enter on a typed region name picks it")
        << u"Jihočeský kraj"_s
        << QStringList{u"show"_s, u"pickTerritory 0"_s, u"enterRegion Prahu"_s}
        << Expected{.regionFile = praha,
                    .regionText = u"Prahu"_s,
                    .codesFrom = praha,
                    .territoriesFrom = praha,
                    .municipalitiesFrom = praha,
                    .boxes = u"1|2|3|4|5|6"_s,
                    .focusOnTerritory = true};
    QTest::newRow("region change keeps the six boxes")
        << u"Jihočeský kraj"_s << QStringList{u"show"_s, u"pickTerritory 0"_s, u"region 9"_s}
        << Expected{.regionFile = praha,
                    .regionText = u"Prahu"_s,
                    .codesFrom = praha,
                    .territoriesFrom = praha,
                    .municipalitiesFrom = praha,
                    .boxes = u"1|2|3|4|5|6"_s,
                    .focusOnTerritory = true};
    QTest::newRow("region change from first start")
        << QString() << QStringList{u"show"_s, u"region 0"_s}
        << Expected{.regionFile = jc,
                    .regionText = u"Jihočeský kraj"_s,
                    .codesFrom = jc,
                    .territoriesFrom = jc,
                    .municipalitiesFrom = jc,
                    .focusOnTerritory = true};
    QTest::newRow("missing obce file on a region change")
        << u"Jihočeský kraj"_s << QStringList{u"show"_s, u"pickTerritory 0"_s, u"region 13"_s}
        << Expected{.regionFile = zlin,
                    .regionText = u"Zlínský kraj"_s,
                    .codesFrom = zlin,
                    .territoriesFrom = zlin,
                    .boxes = u"1|2|3|4|5|6"_s,
                    .errorFile = u"obce/zlinsky.txt"_s};
    QTest::newRow("region without any list file")
        << u"Jihočeský kraj"_s << QStringList{u"show"_s, u"region 3"_s}
        << Expected{.regionFile = u"kralovehradecky.txt"_s,
                    .regionText = u"Královéhradecký kraj"_s,
                    .errorFile = u"cisla/kralovehradecky.txt"_s};
    QTest::newRow("missing obce file on show is silent")
        << u"Zlínský kraj"_s << QStringList{u"show"_s}
        << Expected{.regionFile = zlin,
                    .regionText = u"Zlínský kraj"_s,
                    .codesFrom = zlin,
                    .territoriesFrom = zlin,
                    .focusOnTerritory = true};

    QTest::newRow("restore with a text naming no region")
        << u"Jihočeský kraj"_s << QStringList{u"show"_s, u"region 9"_s, u"restore Neznámý kraj"_s}
        << Expected{.regionFile = praha,
                    .regionText = u"Neznámý kraj"_s,
                    .codesFrom = praha,
                    .territoriesFrom = praha,
                    .municipalitiesFrom = praha,
                    .territoryText = jobTerritory,
                    .municipalityText = jobMunicipality,
                    .boxes = jobBoxes,
                    .focusOnTerritory = true};
    QTest::newRow("restore loads the job's region behind its texts")
        << u"Jihočeský kraj"_s << QStringList{u"show"_s, u"pickTerritory 1"_s, u"restore Prahu"_s}
        << Expected{.regionFile = praha,
                    .regionText = u"Prahu"_s,
                    .codesFrom = praha,
                    .territoriesFrom = praha,
                    .municipalitiesFrom = praha,
                    .territoryText = jobTerritory,
                    .municipalityText = jobMunicipality,
                    .boxes = jobBoxes,
                    .focusOnTerritory = true};
    QTest::newRow("leaving the region field after a restore picks nothing")
        << u"Jihočeský kraj"_s << QStringList{u"show"_s, u"restore Prahu"_s, u"leave ComboBox4"_s}
        << Expected{.regionFile = praha,
                    .regionText = u"Prahu"_s,
                    .codesFrom = praha,
                    .territoriesFrom = praha,
                    .municipalitiesFrom = praha,
                    .territoryText = jobTerritory,
                    .municipalityText = jobMunicipality,
                    .boxes = jobBoxes};
    QTest::newRow("restore with a missing obce file keeps the old municipalities")
        << u"Jihočeský kraj"_s << QStringList{u"show"_s, u"restore Zlínský kraj"_s}
        << Expected{.regionFile = zlin,
                    .regionText = u"Zlínský kraj"_s,
                    .codesFrom = zlin,
                    .territoriesFrom = zlin,
                    .municipalitiesFrom = jc,
                    .territoryText = jobTerritory,
                    .municipalityText = jobMunicipality,
                    .boxes = jobBoxes};
    QTest::newRow("restore with the older spelling")
        << QString() << QStringList{u"show"_s, u"restore Moravskoslezký kraj"_s}
        << Expected{.regionFile = u"moravskoslezky.txt"_s,
                    .regionText = u"Moravskoslezský kraj"_s,
                    .codesFrom = u"moravskoslezky.txt"_s,
                    .territoriesFrom = u"moravskoslezky.txt"_s,
                    .municipalitiesFrom = u"moravskoslezky.txt"_s,
                    .territoryText = jobTerritory,
                    .municipalityText = jobMunicipality,
                    .boxes = jobBoxes,
                    .focusOnTerritory = true};
}

void TestRegionLookup::lookup()
{
    QFETCH(QString, storedRegion);
    QFETCH(QStringList, steps);
    QFETCH(Expected, expected);

    TestFolder folder;
    QVERIFY(folder.isValid());
    writeFixtures(folder);
    ScriptedDialogs dialogs;
    if (!expected.errorFile.isEmpty()) {
        const QString path = QDir::toNativeSeparators(folder.file(expected.errorFile));
        dialogs.expectPrefix(Dialogs::Kind::Error, u"Cannot open file \"%1\". "_s.arg(path));
    }

    RegionControls window;
    window.ComboBox4->setEditText(storedRegion); // as read from the settings
    RegionLookup lookup(folder.programFolder(), dialogs, window.widgets());
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));

    for (const QString& step : steps) {
        window.elsewhere->setFocus();
        const QString verb = step.section(u' ', 0, 0);
        const QString argument = step.section(u' ', 1);
        if (verb == u"show") {
            lookup.loadOnShow();
        } else if (verb == u"region") {
            pick(window.ComboBox4, argument.toInt());
        } else if (verb == u"pickTerritory") {
            pick(window.Comboku, argument.toInt());
        } else if (verb == u"pickMunicipality") {
            pick(window.Comboob, argument.toInt());
        } else if (verb == u"typeTerritory") {
            type(window.Comboku, argument);
        } else if (verb == u"typeMunicipality") {
            type(window.Comboob, argument);
        } else if (verb == u"typeRegion") {
            type(window.ComboBox4, argument);
        } else if (verb == u"enterTerritory") {
            type(window.Comboku, argument);
            QTest::keyClick(window.Comboku->lineEdit(), Qt::Key_Return);
        } else if (verb == u"enterRegion") {
            type(window.ComboBox4, argument);
            QTest::keyClick(window.ComboBox4->lineEdit(), Qt::Key_Return);
        } else if (verb == u"leave") {
            QWidget* field = window.findChild<QComboBox*>(argument);
            QVERIFY(field);
            field->setFocus();
            QVERIFY(field->hasFocus());
            window.elsewhere->setFocus();
        } else if (verb == u"setTerritory") {
            window.Comboku->setCurrentIndex(argument.toInt());
        } else if (verb == u"setMunicipality") {
            window.Comboob->setCurrentIndex(argument.toInt());
        } else if (verb == u"restore") {
            // A job open puts the job's texts into the controls, then restores.
            window.ComboBox4->setEditText(argument);
            window.Comboku->setEditText(jobTerritory);
            window.Comboob->setEditText(jobMunicipality);
            const QStringList digits = jobBoxes.split(u'|');
            for (int k = 0; k < 6; ++k)
                window.Editcku[k]->setText(digits.at(k));
            lookup.restoreForJob();
        } else {
            QFAIL(qPrintable(u"unknown step "_s + step));
        }
    }

    const auto listOf = [](const QString& fixture, QStringList RegionFiles::*list) {
        return fixture.isEmpty() ? QStringList() : fixtures().value(fixture).*list;
    };
    QCOMPARE(lookup.regionFileName(), expected.regionFile);
    QCOMPARE(window.ComboBox4->currentText(), expected.regionText);
    QCOMPARE(items(window.ComboBox1), listOf(expected.codesFrom, &RegionFiles::codes));
    QCOMPARE(items(window.Comboku), listOf(expected.territoriesFrom, &RegionFiles::territories));
    QCOMPARE(items(window.Comboob),
             listOf(expected.municipalitiesFrom, &RegionFiles::municipalities));
    QCOMPARE(window.Comboku->currentIndex(), expected.territoryIndex);
    QCOMPARE(window.Comboku->currentText(), expected.territoryText);
    QCOMPARE(window.Comboob->currentIndex(), expected.municipalityIndex);
    QCOMPARE(window.Comboob->currentText(), expected.municipalityText);
    QCOMPARE(window.ComboBox1->currentIndex(), expected.codeIndex);
    QCOMPARE(window.boxes(), expected.boxes);
    QCOMPARE(window.Comboku->hasFocus(), expected.focusOnTerritory);
    VERIFY_DIALOGS(dialogs);
}

// Typing must leave the typed text and the cursor where the user put them,
// even though deselecting an item empties an editable combo's text in Qt.
void TestRegionLookup::typingIntoTerritoryKeepsTypedText()
{
    TestFolder folder;
    writeFixtures(folder);
    ScriptedDialogs dialogs;
    RegionControls window;
    window.ComboBox4->setEditText(u"Jihočeský kraj"_s);
    RegionLookup lookup(folder.programFolder(), dialogs, window.widgets());
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    lookup.loadOnShow();

    pick(window.Comboku, 1); // "Borek"
    QLineEdit* edit = window.Comboku->lineEdit();
    edit->setCursorPosition(2);
    QTest::keyClicks(edit, u"x"_s);
    QCOMPARE(window.Comboku->currentIndex(), -1);
    QCOMPARE(edit->text(), u"Boxrek"_s);
    QCOMPARE(edit->cursorPosition(), 3);
    QCOMPARE(window.Comboob->currentText(), QString());
    QCOMPARE(window.boxes(), u"|||||"_s);

    // Deleting back to an item's exact text still selects nothing.
    QTest::keyClick(edit, Qt::Key_Backspace);
    QCOMPARE(edit->text(), u"Borek"_s);
    QCOMPARE(window.Comboku->currentIndex(), -1);
    QCOMPARE(window.Comboob->currentIndex(), -1);
    VERIFY_DIALOGS(dialogs);
}

QTEST_MAIN(TestRegionLookup)
#include "tst_regionlookup.moc"
