#include "commanderror.h"
#include "settingsfile.h"
#include "testfolder.h"

#include <QtTest>

class TestSettingsFile : public QObject
{
    Q_OBJECT
private slots:
    void readsText_data();
    void readsText();
    void readsIntegers_data();
    void readsIntegers();
    void readsYesNo_data();
    void readsYesNo();
    void writes_data();
    void writes();
    void writesIntegersAndYesNo();
    void failedWriteIsReported();
    void readsWhatWasWrittenInTheSameOpening();
};

namespace {
const QByteArray sample = "[Nastaveni]\r\n"
                          "ROK= 2014 \r\n"
                          "kp=Praha\r\n"
                          "Quoted=\"in quotes\"\r\n"
                          "Single='single'\r\n"
                          "Half=\"half\r\n"
                          "Empty=\r\n"
                          "Equation=a=b\r\n"
                          "Czech=\x8e"
                          "atec\r\n"
                          "Twice=first\r\n"
                          "TWICE=second\r\n"
                          "\r\n"
                          "[ZadostGP]\r\n"
                          "01=Nov\xe1k\r\n"
                          "[nastaveni]\r\n"
                          "Later=in the second section of the same name\r\n";
}

void TestSettingsFile::readsText_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QString>("section");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("expected");
    const QString fallback = "(default)";
    QTest::newRow("blanks around the value are removed") << sample << "Nastaveni"
                                                         << "ROK"
                                                         << "2014";
    QTest::newRow("key names ignore letter case") << sample << "Nastaveni"
                                                  << "KP"
                                                  << "Praha";
    QTest::newRow("section names ignore letter case") << sample << "NASTAVENI"
                                                      << "kp"
                                                      << "Praha";
    QTest::newRow("double quotes are stripped") << sample << "Nastaveni"
                                                << "Quoted"
                                                << "in quotes";
    QTest::newRow("single quotes are stripped") << sample << "Nastaveni"
                                                << "Single"
                                                << "single";
    QTest::newRow("an unclosed quote stays") << sample << "Nastaveni"
                                             << "Half"
                                             << "\"half";
    QTest::newRow("an empty value is empty, not the default") << sample << "Nastaveni"
                                                              << "Empty"
                                                              << "";
    QTest::newRow("the value is what follows the first equals sign") << sample << "Nastaveni"
                                                                     << "Equation"
                                                                     << "a=b";
    QTest::newRow("windows-1250 value") << sample << "Nastaveni"
                                        << "Czech"
                                        << "Žatec";
    QTest::newRow("the first of two keys wins") << sample << "Nastaveni"
                                                << "twice"
                                                << "first";
    QTest::newRow("only the first matching section counts") << sample << "Nastaveni"
                                                            << "Later" << fallback;
    QTest::newRow("other section") << sample << "ZadostGP"
                                   << "01"
                                   << "Novák";
    QTest::newRow("missing key") << sample << "ZadostGP"
                                 << "02" << fallback;
    QTest::newRow("missing section") << sample << "Posun"
                                     << "Text1" << fallback;
    QTest::newRow("no file") << QByteArray() << "Nastaveni"
                             << "ROK" << fallback;
    QTest::newRow("LF line ends") << QByteArray("[A]\nk=v\n") << "A"
                                  << "k"
                                  << "v";
    QTest::newRow("long values are cut to 2047 characters")
        << QByteArray("[A]\r\nk=" + QByteArray(3000, 'x') + "\r\n") << "A"
        << "k" << QString(2047, 'x');
}

void TestSettingsFile::readsText()
{
    QFETCH(QByteArray, content);
    QFETCH(QString, section);
    QFETCH(QString, key);
    QFETCH(QString, expected);
    TestFolder folder;
    if (!content.isEmpty())
        folder.write("zr.ini", content);
    SettingsFile settings(folder.file("zr.ini"));
    QCOMPARE(settings.readText(section, key, "(default)"), expected);
}

void TestSettingsFile::readsIntegers_data()
{
    QTest::addColumn<QString>("value");
    QTest::addColumn<int>("expected");
    QTest::newRow("decimal") << "470" << 470;
    QTest::newRow("decimal with blanks") << "  470 " << 470;
    QTest::newRow("negative") << "-12" << -12;
    QTest::newRow("0x hexadecimal") << "0x1D6" << 470;
    QTest::newRow("0X hexadecimal") << "0X1d6" << 470;
    QTest::newRow("$ hexadecimal") << "$1D6" << 470;
    QTest::newRow("text") << "abc" << 400;
    QTest::newRow("number followed by text") << "12abc" << 400;
    QTest::newRow("empty") << "" << 400;
    QTest::newRow("prefix alone") << "0x" << 400;
    QTest::newRow("too large") << "99999999999" << 400;
}

void TestSettingsFile::readsIntegers()
{
    QFETCH(QString, value);
    QFETCH(int, expected);
    TestFolder folder;
    folder.write("zr.ini", "[Posun]\r\nText8=" + value.toLatin1() + "\r\n");
    SettingsFile settings(folder.file("zr.ini"));
    QCOMPARE(settings.readInteger("Posun", "Text8", 400), expected);
}

void TestSettingsFile::readsYesNo_data()
{
    QTest::addColumn<QByteArray>("line");
    QTest::addColumn<bool>("expected");
    QTest::newRow("ANO") << QByteArray("Pamatovat=ANO") << true;
    QTest::newRow("ano in lower case is no") << QByteArray("Pamatovat=ano") << false;
    QTest::newRow("NE") << QByteArray("Pamatovat=NE") << false;
    QTest::newRow("empty is no") << QByteArray("Pamatovat=") << false;
    QTest::newRow("missing key takes the default") << QByteArray("Other=NE") << true;
}

void TestSettingsFile::readsYesNo()
{
    QFETCH(QByteArray, line);
    QFETCH(bool, expected);
    TestFolder folder;
    folder.write("zr.ini", "[Nastaveni]\r\n" + line + "\r\n");
    SettingsFile settings(folder.file("zr.ini"));
    QCOMPARE(settings.readYesNo("Nastaveni", "Pamatovat", true), expected);
}

void TestSettingsFile::writes_data()
{
    QTest::addColumn<QByteArray>("before");
    QTest::addColumn<QString>("section");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("value");
    QTest::addColumn<QByteArray>("after");
    const QByteArray file = "; comment kept\r\n[Nastaveni]\r\nROK=2013\r\nKP=Praha\r\n\r\n"
                            "[ZadostGP]\r\n01=Nov\xe1k\r\n";
    QTest::newRow("existing key replaced in place")
        << file << "Nastaveni"
        << "ROK"
        << "2014"
        << QByteArray("; comment kept\r\n[Nastaveni]\r\nROK=2014\r\nKP=Praha\r\n\r\n"
                      "[ZadostGP]\r\n01=Nov\xe1k\r\n");
    QTest::newRow("key of other letter case replaced, stored name kept")
        << file << "NASTAVENI"
        << "kp"
        << "Brno"
        << QByteArray("; comment kept\r\n[Nastaveni]\r\nROK=2013\r\nKP=Brno\r\n\r\n"
                      "[ZadostGP]\r\n01=Nov\xe1k\r\n");
    QTest::newRow("new key at the end of its section")
        << file << "Nastaveni"
        << "Kraj"
        << "Prahu"
        << QByteArray("; comment kept\r\n[Nastaveni]\r\nROK=2013\r\nKP=Praha\r\nKraj=Prahu\r\n\r\n"
                      "[ZadostGP]\r\n01=Nov\xe1k\r\n");
    QTest::newRow("new section at the end of the file")
        << file << "Programy"
        << "ZRS"
        << "3.02" << QByteArray(file + "[Programy]\r\nZRS=3.02\r\n");
    QTest::newRow("missing file created") << QByteArray() << "Programy"
                                          << "ZRS"
                                          << "3.02" << QByteArray("[Programy]\r\nZRS=3.02\r\n");
    QTest::newRow("file without a final line end")
        << QByteArray("[A]\r\nk=v") << "B"
        << "x"
        << "1" << QByteArray("[A]\r\nk=v\r\n[B]\r\nx=1\r\n");
    QTest::newRow("windows-1250 value, blanks kept")
        << QByteArray() << "ZadostGP"
        << "01"
        << " Říha " << QByteArray("[ZadostGP]\r\n01= \xd8\xedha \r\n");
    QTest::newRow("empty value") << file << "ZadostGP"
                                 << "01"
                                 << ""
                                 << QByteArray("; comment kept\r\n[Nastaveni]\r\nROK=2013\r\n"
                                               "KP=Praha\r\n\r\n[ZadostGP]\r\n01=\r\n");
}

void TestSettingsFile::writes()
{
    QFETCH(QByteArray, before);
    QFETCH(QString, section);
    QFETCH(QString, key);
    QFETCH(QString, value);
    QFETCH(QByteArray, after);
    TestFolder folder;
    if (!before.isEmpty())
        folder.write("zr.ini", before);
    SettingsFile settings(folder.file("zr.ini"));
    settings.writeText(section, key, value);
    settings.close();
    QCOMPARE(folder.read("zr.ini"), after);
}

void TestSettingsFile::writesIntegersAndYesNo()
{
    TestFolder folder;
    SettingsFile settings(folder.file("zr.ini"));
    settings.writeInteger("Posun", "Text1", -5);
    settings.writeInteger("Posun", "Text2", 470);
    settings.writeYesNo("Nastaveni", "Pamatovat", true);
    settings.writeYesNo("Nastaveni", "Doplnovat", false);
    settings.close();
    QCOMPARE(folder.read("zr.ini"),
             QByteArray("[Posun]\r\nText1=-5\r\nText2=470\r\n[Nastaveni]\r\nPamatovat=ANO\r\n"
                        "Doplnovat=NE\r\n"));
    SettingsFile again(folder.file("zr.ini"));
    QCOMPARE(again.readInteger("Posun", "Text1", 0), -5);
}

void TestSettingsFile::failedWriteIsReported()
{
    TestFolder folder;
    const QString path = folder.file("missing-folder/zr.ini");
    SettingsFile settings(path);
    settings.writeText("Programy", "ZRS", "3.02");
    try {
        settings.close();
        QFAIL("closing after a write that cannot reach the disk must fail");
    } catch (const CommandError& error) {
        QCOMPARE(error.text(), QStringLiteral("Unable to write to %1").arg(path));
    }
}

void TestSettingsFile::readsWhatWasWrittenInTheSameOpening()
{
    TestFolder folder;
    SettingsFile settings(folder.file("zr.ini"));
    settings.writeText("Nastaveni", "Posledni", "C:\\x.zpm");
    QCOMPARE(settings.readText("Nastaveni", "Posledni", {}), QStringLiteral("C:\\x.zpm"));
    settings.close();
    SettingsFile reopened(folder.file("zr.ini"));
    QCOMPARE(reopened.readText("nastaveni", "posledni", {}), QStringLiteral("C:\\x.zpm"));
}

QTEST_GUILESS_MAIN(TestSettingsFile)
#include "tst_settingsfile.moc"
