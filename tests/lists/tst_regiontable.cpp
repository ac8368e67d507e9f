#include "regiontable.h"

#include <QSet>
#include <QTest>

using namespace Qt::StringLiterals;

class TestRegionTable : public QObject
{
    Q_OBJECT

private slots:
    void find_data();
    void find();
    void namesAndFilesAreDistinct();
};

void TestRegionTable::find_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("fileName"); // empty: names no region

    QTest::newRow("first row") << u"Jihočeský kraj"_s << u"jihocesky.txt"_s;
    QTest::newRow("last row") << u"Zlínský kraj"_s << u"zlinsky.txt"_s;
    QTest::newRow("Praha in the accusative") << u"Prahu"_s << u"praha.txt"_s;
    QTest::newRow("Vysočina in the accusative") << u"Vysočinu"_s << u"vysocina.txt"_s;
    QTest::newRow("official spelling") << u"Moravskoslezský kraj"_s << u"moravskoslezky.txt"_s;
    QTest::newRow("older misspelling") << u"Moravskoslezký kraj"_s << u"moravskoslezky.txt"_s;
    QTest::newRow("nominative is not in the table") << u"Praha"_s << QString();
    QTest::newRow("official long name is not in the table") << u"Kraj Vysočina"_s << QString();
    QTest::newRow("other letter case") << u"jihočeský kraj"_s << QString();
    QTest::newRow("trailing space") << u"Zlínský kraj "_s << QString();
    QTest::newRow("without diacritics") << u"Zlinsky kraj"_s << QString();
    QTest::newRow("part of a name") << u"Zlínský"_s << QString();
    QTest::newRow("empty") << QString() << QString();
}

void TestRegionTable::find()
{
    QFETCH(QString, text);
    QFETCH(QString, fileName);

    const int position = RegionTable::find(text);
    QCOMPARE(RegionTable::fileName(position), fileName);
    QCOMPARE(position < 0, fileName.isEmpty());
}

void TestRegionTable::namesAndFilesAreDistinct()
{
    const QStringList names = RegionTable::names();
    QCOMPARE(names.size(), 14);
    QSet<QString> files;
    for (int i = 0; i < names.size(); ++i) {
        QCOMPARE(RegionTable::find(names.at(i)), i);
        files.insert(RegionTable::fileName(i));
    }
    QCOMPARE(files.size(), 14);
    QVERIFY(!names.contains(u"Moravskoslezký kraj"_s));
    QCOMPARE(RegionTable::fileName(14), QString());
    QCOMPARE(RegionTable::fileName(-1), QString());
}

QTEST_APPLESS_MAIN(TestRegionTable)
#include "tst_regiontable.moc"
