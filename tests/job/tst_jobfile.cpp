#include "jobfile.h"

#include <QtTest>

// The job file's own rules, without a window.
class TestJobFile : public QObject
{
    Q_OBJECT
private slots:
    void fileName_data();
    void fileName();
    void copiesList_data();
    void copiesList();
    void copiesEntriesSkipFifteen();
    void copiesIndexLine_data();
    void copiesIndexLine();
    void dateLine_data();
    void dateLine();
    void dateIsWrittenWithoutLeadingZeros();
    void yesNoLine_data();
    void yesNoLine();
    void missingLinesReadEmpty();
};

void TestJobFile::fileName_data()
{
    QTest::addColumn<QString>("gpNumber");
    QTest::addColumn<QString>("baseName");
    QTest::addColumn<QString>("fileName");
    QTest::newRow("slash") << "320-857/2007"
                           << "320-857-2007"
                           << "320-857-2007.zpm";
    QTest::newRow("every slash") << "12/3/2014"
                                 << "12-3-2014"
                                 << "12-3-2014.zpm";
    QTest::newRow("spaces and letters kept") << " 57 / Žďár "
                                             << " 57 - Žďár "
                                             << " 57 - Žďár .zpm";
    QTest::newRow("backslash kept") << "5\\2014"
                                    << "5\\2014"
                                    << "5\\2014.zpm";
    QTest::newRow("empty gives no file") << ""
                                         << ""
                                         << "";
}

void TestJobFile::fileName()
{
    QFETCH(QString, gpNumber);
    QFETCH(QString, baseName);
    QFETCH(QString, fileName);
    QCOMPARE(JobFile::baseName(gpNumber), baseName);
    QCOMPARE(JobFile::fileName(gpNumber), fileName);
}

void TestJobFile::copiesList_data()
{
    QTest::addColumn<int>("stored");
    QTest::addColumn<int>("selected");
    QTest::addColumn<QString>("entry");
    QTest::newRow("nothing chosen") << -1 << -1 << "";
    QTest::newRow("empty entry") << 0 << 0 << "";
    QTest::newRow("first number") << 1 << 1 << "0";
    QTest::newRow("14 sits at 15") << 15 << 15 << "14";
    QTest::newRow("no 15: 16 sits at 16") << 16 << 16 << "16";
    QTest::newRow("last") << 50 << 50 << "50";
    QTest::newRow("past the end") << 51 << -1 << "";
    QTest::newRow("far below") << -7 << -1 << "";
}

void TestJobFile::copiesList()
{
    QFETCH(int, stored);
    QFETCH(int, selected);
    QFETCH(QString, entry);
    QCOMPARE(JobFile::copiesSelection(stored), selected);
    QCOMPARE(JobFile::copiesEntry(JobFile::copiesSelection(stored)), entry);
}

void TestJobFile::copiesEntriesSkipFifteen()
{
    QStringList expected{QString()};
    for (int copies = 0; copies <= 50; ++copies) {
        if (copies != 15)
            expected << QString::number(copies);
    }
    QCOMPARE(JobFile::copiesEntries(), expected);
}

void TestJobFile::copiesIndexLine_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<bool>("valid");
    QTest::addColumn<int>("index");
    QTest::newRow("15") << "15" << true << 15;
    QTest::newRow("-1") << "-1" << true << -1;
    QTest::newRow("leading zeros") << "007" << true << 7;
    QTest::newRow("empty") << "" << false << 0;
    QTest::newRow("letters") << "abc" << false << 0;
    QTest::newRow("trailing letter") << "12a" << false << 0;
    QTest::newRow("space") << "12 " << false << 0;
    QTest::newRow("fraction") << "1.5" << false << 0;
    QTest::newRow("hexadecimal") << "0x10" << false << 0;
    QTest::newRow("too large") << "99999999999" << false << 0;
}

void TestJobFile::copiesIndexLine()
{
    QFETCH(QString, line);
    QFETCH(bool, valid);
    QFETCH(int, index);
    const std::optional<int> parsed = JobFile::parseIndex(line);
    QCOMPARE(parsed.has_value(), valid);
    if (valid) {
        QCOMPARE(*parsed, index);
        QCOMPARE(JobFile::parseIndex(JobFile::formatIndex(index)), parsed);
    }
}

void TestJobFile::dateLine_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<QDate>("date");
    QTest::newRow("written form") << "9.3.2007" << QDate(2007, 3, 9);
    QTest::newRow("leading zeros of the earlier program") << "09.03.2007" << QDate(2007, 3, 9);
    QTest::newRow("leap day") << "29.2.2008" << QDate(2008, 2, 29);
    QTest::newRow("no such day") << "29.2.2007" << QDate();
    QTest::newRow("empty") << "" << QDate();
    QTest::newRow("two-digit year") << "9.3.07" << QDate();
    QTest::newRow("ISO") << "2007-03-09" << QDate();
}

void TestJobFile::dateLine()
{
    QFETCH(QString, line);
    QFETCH(QDate, date);
    const std::optional<QDate> parsed = JobFile::parseDate(line);
    QCOMPARE(parsed.has_value(), date.isValid());
    if (date.isValid())
        QCOMPARE(*parsed, date);
}

void TestJobFile::dateIsWrittenWithoutLeadingZeros()
{
    QCOMPARE(JobFile::formatDate(QDate(2007, 3, 9)), QStringLiteral("9.3.2007"));
    QCOMPARE(JobFile::formatDate(QDate(2014, 12, 24)), QStringLiteral("24.12.2014"));
}

void TestJobFile::yesNoLine_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<bool>("ticked");
    QTest::newRow("ANO") << "ANO" << true;
    QTest::newRow("NE") << "NE" << false;
    QTest::newRow("lower-case ne") << "ne" << true;
    QTest::newRow("empty") << "" << true;
    QTest::newRow("NE with a space") << "NE " << true;
}

void TestJobFile::yesNoLine()
{
    QFETCH(QString, line);
    QFETCH(bool, ticked);
    QCOMPARE(JobFile::ticks(line), ticked);
}

void TestJobFile::missingLinesReadEmpty()
{
    const JobFile::Lines lines(QStringList{"a", "b"});
    QCOMPARE(lines.line(1), QStringLiteral("a"));
    QCOMPARE(lines.line(2), QStringLiteral("b"));
    QCOMPARE(lines.line(3), QString());
    QCOMPARE(lines.line(67), QString());
}

QTEST_APPLESS_MAIN(TestJobFile)
#include "tst_jobfile.moc"
