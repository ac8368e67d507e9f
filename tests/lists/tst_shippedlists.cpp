#include "linefile.h"
#include "regionlookup.h"
#include "regiontable.h"
#include "scripteddialogs.h"
#include "testfolder.h"

#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QRegularExpression>
#include <QSet>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

QByteArray shipped(const QString& relative)
{
    QFile file(QStringLiteral(ZEMLAR_DATA_DIR "/") + relative);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Rank of a name's first letter in the Czech alphabet: CH after H, and Č, Ř,
// Š, Ž after their base letters; other accents do not count for the first letter.
int firstLetterRank(const QString& name)
{
    static const QStringList alphabet =
        u"A B C Č D E F G H CH I J K L M N O P Q R Ř S Š T U V W X Y Z Ž"_s.split(u' ');
    static const QHash<QChar, QChar> bases = {
        {u'Á', u'A'}, {u'Ď', u'D'}, {u'É', u'E'}, {u'Ě', u'E'}, {u'Í', u'I'}, {u'Ň', u'N'},
        {u'Ó', u'O'}, {u'Ť', u'T'}, {u'Ú', u'U'}, {u'Ů', u'U'}, {u'Ý', u'Y'}};
    const QString upper = name.toUpper();
    if (upper.startsWith(u"CH"))
        return int(alphabet.indexOf(u"CH"_s));
    const QChar first = upper.isEmpty() ? QChar() : upper.at(0);
    return int(alphabet.indexOf(QString(bases.value(first, first))));
}

} // namespace

class TestShippedLists : public QObject
{
    Q_OBJECT

private slots:
    void regionFiles_data();
    void regionFiles();
    void territoryCount();
    void prahaThroughTheLookup();
    void pickListFiles();
};

void TestShippedLists::regionFiles_data()
{
    QTest::addColumn<QString>("fileName");
    for (const RegionTable::Region& region : RegionTable::regions())
        QTest::newRow(qPrintable(region.fileName)) << region.fileName;
}

void TestShippedLists::regionFiles()
{
    QFETCH(QString, fileName);

    QList<QStringList> lists;
    for (const QString& folder : {u"cisla/"_s, u"ku/"_s, u"obce/"_s}) {
        const QByteArray bytes = shipped(folder + fileName);
        QVERIFY2(!bytes.isEmpty(), qPrintable(folder + fileName));
        QVERIFY2(bytes.endsWith("\r\n"), qPrintable(folder + fileName));
        QVERIFY2(!bytes.contains('\0'), qPrintable(folder + fileName));
        // Every line end is CR LF: no lone CR or LF.
        QCOMPARE(bytes.count('\n'), bytes.count("\r\n"));
        QCOMPARE(bytes.count('\r'), bytes.count("\r\n"));
        lists << LineFile::splitLines(bytes);
    }
    const QStringList& codes = lists.at(0);
    const QStringList& territories = lists.at(1);
    const QStringList& municipalities = lists.at(2);
    QCOMPARE(territories.size(), codes.size());
    QCOMPARE(municipalities.size(), codes.size());

    static const QRegularExpression sixDigits(u"^[0-9]{6}$"_s);
    for (int i = 0; i < codes.size(); ++i) {
        QVERIFY2(sixDigits.match(codes.at(i)).hasMatch(), qPrintable(codes.at(i)));
        QVERIFY2(!territories.at(i).trimmed().isEmpty(), qPrintable(codes.at(i)));
        QVERIFY2(!municipalities.at(i).trimmed().isEmpty(), qPrintable(codes.at(i)));
    }
    QCOMPARE(QSet<QString>(territories.cbegin(), territories.cend()).size(), territories.size());

    for (int i = 1; i < territories.size(); ++i) {
        const int previous = firstLetterRank(territories.at(i - 1));
        const int current = firstLetterRank(territories.at(i));
        QVERIFY2(previous >= 0 && current >= previous,
                 qPrintable(territories.at(i - 1) + u" before "_s + territories.at(i)));
    }
}

void TestShippedLists::territoryCount()
{
    QSet<QString> codes;
    int lines = 0;
    for (const RegionTable::Region& region : RegionTable::regions()) {
        const QStringList list = LineFile::splitLines(shipped(u"cisla/"_s + region.fileName));
        lines += int(list.size());
        codes.unite(QSet<QString>(list.cbegin(), list.cend()));
    }
    QCOMPARE(RegionTable::regions().size(), 14);
    QCOMPARE(lines, 13074);
    QCOMPARE(codes.size(), 13074);
    QCOMPARE(LineFile::splitLines(shipped(u"ku/stredocesky.txt"_s)).size(), 2075);
}

// Praha as the user meets it: picked in the region field, "Nové Město" picked
// in the territory field.
void TestShippedLists::prahaThroughTheLookup()
{
    TestFolder folder;
    folder.copyShippedData();
    ScriptedDialogs dialogs;
    QWidget window;
    RegionWidgets widgets;
    for (QComboBox** combo :
         {&widgets.ComboBox4, &widgets.ComboBox1, &widgets.Comboku, &widgets.Comboob})
        *combo = new QComboBox(&window);
    for (QLineEdit*& box : widgets.Editcku)
        box = new QLineEdit(&window);
    RegionLookup lookup(folder.programFolder(), dialogs, widgets);

    const int praha = RegionTable::find(u"Prahu"_s);
    widgets.ComboBox4->setCurrentIndex(praha);
    emit widgets.ComboBox4->activated(praha);
    QCOMPARE(lookup.regionFileName(), u"praha.txt"_s);
    QCOMPARE(widgets.Comboku->count(), 112);

    const int noveMesto = widgets.Comboku->findText(u"Nové Město"_s, Qt::MatchExactly);
    QVERIFY(noveMesto >= 0);
    widgets.Comboku->setCurrentIndex(noveMesto);
    emit widgets.Comboku->activated(noveMesto);

    QString code;
    for (QLineEdit* box : widgets.Editcku)
        code += box->text();
    QCOMPARE(code, u"727181"_s);
    QCOMPARE(widgets.Comboob->currentText(), u"Praha"_s);
    VERIFY_DIALOGS(dialogs);
}

void TestShippedLists::pickListFiles()
{
    const QByteArray reasons = shipped(u"duvod/duvod.txt"_s);
    const QStringList entries = LineFile::splitLines(reasons);
    QCOMPARE(entries.size(), 20);
    QCOMPARE(entries.first(), u"rozdělení pozemku"_s);
    QVERIFY(reasons.endsWith("\r\n"));
    QCOMPARE(reasons.count('\n'), reasons.count("\r\n"));

    QFile surveyors(QStringLiteral(ZEMLAR_DATA_DIR "/zameril/zameril.txt"));
    QVERIFY(surveyors.exists());
    QCOMPARE(surveyors.size(), 0);
}

QTEST_MAIN(TestShippedLists)
#include "tst_shippedlists.moc"
