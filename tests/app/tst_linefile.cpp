#include "commanderror.h"
#include "linefile.h"
#include "testfolder.h"

#include <QFile>
#include <QtTest>

class TestLineFile : public QObject
{
    Q_OBJECT
private slots:
    void splitsLines_data();
    void splitsLines();
    void writesCrLfAfterEveryLine();
    void everyCzechLetterSurvivesWindows1250();
    void missingFileCannotBeOpened();
    void unwritableTargetsAreReportedAndLeftWhole_data();
    void unwritableTargetsAreReportedAndLeftWhole();
    void replacingWritesTheWholeNewContent();
};

void TestLineFile::splitsLines_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QStringList>("lines");
    QTest::newRow("CR LF with a final line end")
        << QByteArray("a\r\nb\r\n") << QStringList{"a", "b"};
    QTest::newRow("no final line end") << QByteArray("a\r\nb") << QStringList{"a", "b"};
    QTest::newRow("LF only") << QByteArray("a\nb\n") << QStringList{"a", "b"};
    QTest::newRow("CR only") << QByteArray("a\rb\r") << QStringList{"a", "b"};
    QTest::newRow("CR CR LF ends a line and makes an empty one")
        << QByteArray("a\r\r\nb") << QStringList{"a", "", "b"};
    QTest::newRow("empty line inside") << QByteArray("a\r\n\r\nb\r\n") << QStringList{"a", "", "b"};
    QTest::newRow("LF CR is two line ends") << QByteArray("a\n\rb") << QStringList{"a", "", "b"};
    QTest::newRow("zero byte ends the text")
        << QByteArray("a\r\nb\0c\r\nd", 10) << QStringList{"a", "b"};
    QTest::newRow("zero byte at the start") << QByteArray("\0a\r\n", 4) << QStringList{};
    QTest::newRow("empty file") << QByteArray() << QStringList{};
    QTest::newRow("a lone line end is one empty line") << QByteArray("\r\n") << QStringList{""};
    QTest::newRow("spaces are kept") << QByteArray(" a \r\n") << QStringList{" a "};
    QTest::newRow("windows-1250 letters")
        << QByteArray("\x8Elu\x9Dou\xe8k\xfd k\xf9\xf2") << QStringList{"Žluťoučký kůň"};
}

void TestLineFile::splitsLines()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QStringList, lines);
    QCOMPARE(LineFile::splitLines(bytes), lines);
}

void TestLineFile::writesCrLfAfterEveryLine()
{
    TestFolder folder;
    LineFile::writeLines(folder.file("list.txt"), {"první", "", "třetí"});
    QCOMPARE(folder.read("list.txt"), QByteArray("prvn\xed\r\n\r\nt\xf8\x65t\xed\r\n"));
    LineFile::writeLines(folder.file("empty.txt"), {});
    QVERIFY(QFile::exists(folder.file("empty.txt")));
    QCOMPARE(folder.read("empty.txt"), QByteArray());
}

void TestLineFile::everyCzechLetterSurvivesWindows1250()
{
    const QString letters = QStringLiteral("áčďéěíňóřšťúůýžÁČĎÉĚÍŇÓŘŠŤÚŮÝŽ");
    const QByteArray expected("\xe1\xe8\xef\xe9\xec\xed\xf2\xf3\xf8\x9a\x9d\xfa\xf9\xfd\x9e"
                              "\xc1\xc8\xcf\xc9\xcc\xcd\xd2\xd3\xd8\x8a\x8d\xda\xd9\xdd\x8e");
    QCOMPARE(LineFile::encode(letters), expected);
    TestFolder folder;
    LineFile::writeLines(folder.file("czech.txt"), {letters});
    QCOMPARE(folder.read("czech.txt"), expected + "\r\n");
    QCOMPARE(LineFile::readLines(folder.file("czech.txt")), QStringList{letters});
}

void TestLineFile::missingFileCannotBeOpened()
{
    TestFolder folder;
    const QString path = folder.file("missing.txt");
    try {
        LineFile::readLines(path);
        QFAIL("reading a missing file must fail");
    } catch (const CommandError& error) {
        QVERIFY2(error.text().startsWith(QStringLiteral("Cannot open file \"%1\". ").arg(path)),
                 qPrintable(error.text()));
    }
}

void TestLineFile::unwritableTargetsAreReportedAndLeftWhole_data()
{
    QTest::addColumn<QString>("target");
    QTest::addColumn<bool>("readOnly");
    QTest::newRow("folder missing") << "nofolder/list.txt" << false;
    QTest::newRow("a folder stands in its place") << "adir" << false;
    QTest::newRow("read-only file") << "locked.txt" << true;
}

void TestLineFile::unwritableTargetsAreReportedAndLeftWhole()
{
    QFETCH(QString, target);
    QFETCH(bool, readOnly);
    TestFolder folder;
    QDir(folder.path()).mkdir("adir");
    if (readOnly) {
        folder.write(target, "old\r\n");
        QFile::setPermissions(folder.file(target), QFileDevice::ReadOwner);
    }
    const QString path = folder.file(target);
    try {
        LineFile::writeLines(path, {"new"});
        QFAIL("the write must fail");
    } catch (const CommandError& error) {
        QVERIFY2(error.text().startsWith(QStringLiteral("Cannot create file \"%1\". ").arg(path)),
                 qPrintable(error.text()));
    }
    if (readOnly)
        QCOMPARE(folder.read(target), QByteArray("old\r\n"));
}

void TestLineFile::replacingWritesTheWholeNewContent()
{
    TestFolder folder;
    folder.write("list.txt", "a long old content\r\nsecond\r\n");
    LineFile::writeLines(folder.file("list.txt"), {"x"});
    QCOMPARE(folder.read("list.txt"), QByteArray("x\r\n"));
    QCOMPARE(QDir(folder.path()).entryList(QDir::Files), QStringList{"list.txt"});
}

QTEST_GUILESS_MAIN(TestLineFile)
#include "tst_linefile.moc"
