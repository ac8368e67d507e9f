#include "commanderror.h"
#include "linefile.h"
#include "picklists.h"
#include "scripteddialogs.h"
#include "testfolder.h"
#include "tform7.h"

#include <QComboBox>
#include <QDir>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

const QString reasons = u"duvod/duvod.txt"_s;
const QString surveyors = u"zameril/zameril.txt"_s;

QByteArray cp1250(const QString& text)
{
    return LineFile::encode(text);
}

QStringList items(const QComboBox& combo)
{
    QStringList result;
    for (int i = 0; i < combo.count(); ++i)
        result << combo.itemText(i);
    return result;
}

QString cannotOpen(const TestFolder& folder, const QString& relative)
{
    return u"Cannot open file \"%1\". "_s.arg(QDir::toNativeSeparators(folder.file(relative)));
}

QString cannotCreate(const TestFolder& folder, const QString& relative)
{
    return u"Cannot create file \"%1\". "_s.arg(QDir::toNativeSeparators(folder.file(relative)));
}

// Makes a file impossible to write without relying on permissions (the
// tests may run as root): a folder stands where the file should be.
bool putFolderInPlaceOf(const TestFolder& folder, const QString& relative)
{
    QFile::remove(folder.file(relative));
    return QDir().mkpath(folder.file(relative));
}

} // namespace

// The main window's reason and surveyor boxes and the list editor.
struct PickListWindow
{
    explicit PickListWindow(const TestFolder& folder, Dialogs& dialogs)
        : lists(folder.programFolder(), dialogs, &Combodz, &Combozam, &Form7)
    {
        Combodz.setEditable(true);
        Combozam.setEditable(true);
    }

    QPlainTextEdit* memo() { return Form7.findChild<QPlainTextEdit*>(u"Memo1"_s); }
    QPushButton* saveButton() { return Form7.findChild<QPushButton*>(u"BitBtn1"_s); }

    QComboBox Combodz;
    QComboBox Combozam;
    TForm7 Form7;
    PickLists lists;
};

class TestPickLists : public QObject
{
    Q_OBJECT

private slots:
    void loading_data();
    void loading();
    void loadingMissingFile_data();
    void loadingMissingFile();
    void saveNewReason_data();
    void saveNewReason();
    void saveNewReasonUnwritable_data();
    void saveNewReasonUnwritable();
    void editorSave_data();
    void editorSave();
    void editorClosedByTitleBar();
    void editorUnreadableFile();
    void editorUnwritableFile();
};

void TestPickLists::loading_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QStringList>("entries");

    for (const QString& file : {reasons, surveyors}) {
        const QByteArray tag = file.section(u'/', 0, 0).toUtf8() + ": ";
        QTest::newRow(tag + "final line end") << file << "a\r\nb\r\n"_ba << QStringList{"a", "b"};
        QTest::newRow(tag + "no final line end") << file << "a\r\nb"_ba << QStringList{"a", "b"};
        QTest::newRow(tag + "LF only") << file << "a\nb\n"_ba << QStringList{"a", "b"};
        QTest::newRow(tag + "lone CR") << file << "a\rb\r"_ba << QStringList{"a", "b"};
        QTest::newRow(tag + "CR CR LF") << file << "a\r\r\nb\r\n"_ba << QStringList{"a", "", "b"};
        QTest::newRow(tag + "empty lines")
            << file << "\r\na\r\n\r\n\r\nb\r\n"_ba << QStringList{"", "a", "", "", "b"};
        QTest::newRow(tag + "zero byte")
            << file << QByteArray("a\r\nb\0c\r\nd\r\n", 11) << QStringList{"a", "b"};
        QTest::newRow(tag + "empty file") << file << QByteArray() << QStringList();
        QTest::newRow(tag + "Czech letters")
            << file << cp1250(u"Ing. Žofie Řeháčková\r\n  odsazení \r\n"_s)
            << QStringList{u"Ing. Žofie Řeháčková"_s, u"  odsazení "_s};
    }
}

void TestPickLists::loading()
{
    QFETCH(QString, file);
    QFETCH(QByteArray, bytes);
    QFETCH(QStringList, entries);

    TestFolder folder;
    folder.write(reasons, "old reason\r\n");
    folder.write(surveyors, "old surveyor\r\n");
    folder.write(file, bytes);
    ScriptedDialogs dialogs;
    PickListWindow window(folder, dialogs);
    window.Combodz.setEditText(u"typed reason"_s);
    window.Combozam.setEditText(u"typed surveyor"_s);

    window.lists.loadReasons();
    window.lists.loadSurveyors();

    QComboBox& loaded = file == reasons ? window.Combodz : window.Combozam;
    QCOMPARE(items(loaded), entries);
    QCOMPARE(loaded.currentIndex(), -1);
    QCOMPARE(window.Combodz.currentText(), u"typed reason"_s);
    QCOMPARE(window.Combozam.currentText(), u"typed surveyor"_s);
    VERIFY_DIALOGS(dialogs);
}

void TestPickLists::loadingMissingFile_data()
{
    QTest::addColumn<QString>("file");
    QTest::newRow("reasons") << reasons;
    QTest::newRow("surveyors") << surveyors;
}

void TestPickLists::loadingMissingFile()
{
    QFETCH(QString, file);

    TestFolder folder;
    folder.write(reasons, "reason\r\n");
    folder.write(surveyors, "surveyor\r\n");
    QVERIFY(QFile::remove(folder.file(file)));
    ScriptedDialogs dialogs;
    PickListWindow window(folder, dialogs);

    QString failure;
    for (const auto load : {&PickLists::loadReasons, &PickLists::loadSurveyors}) {
        try {
            (window.lists.*load)();
        } catch (const CommandError& error) {
            QVERIFY2(failure.isEmpty(), "only one list should fail");
            failure = error.text();
        }
    }

    QVERIFY2(failure.startsWith(cannotOpen(folder, file)), qPrintable(failure));
    QCOMPARE(window.Combodz.count(), file == reasons ? 0 : 1);
    QCOMPARE(window.Combozam.count(), file == surveyors ? 0 : 1);
    VERIFY_DIALOGS(dialogs);
}

void TestPickLists::saveNewReason_data()
{
    QTest::addColumn<QByteArray>("before");
    QTest::addColumn<QStringList>("typed"); // the box's text at each press of the button
    QTest::addColumn<QByteArray>("after");

    QTest::newRow("appended after a last line without line end")
        << "a\r\nb"_ba << QStringList{"c"} << "a\r\nb\r\nc\r\n"_ba;
    QTest::newRow("LF-only file rewritten with CR LF")
        << "a\nb\n"_ba << QStringList{"c"} << "a\r\nb\r\nc\r\n"_ba;
    QTest::newRow("empty text adds an empty entry")
        << "a\r\n"_ba << QStringList{""} << "a\r\n\r\n"_ba;
    QTest::newRow("same text twice") << "a\r\n"_ba << QStringList{"b", "b"} << "a\r\nb\r\nb\r\n"_ba;
    QTest::newRow("text already listed") << "a\r\n"_ba << QStringList{"a"} << "a\r\na\r\n"_ba;
    QTest::newRow("untrimmed Czech text into an empty file")
        << QByteArray() << QStringList{u" Vytyčení hranice "_s}
        << cp1250(u" Vytyčení hranice \r\n"_s);
}

void TestPickLists::saveNewReason()
{
    QFETCH(QByteArray, before);
    QFETCH(QStringList, typed);
    QFETCH(QByteArray, after);

    TestFolder folder;
    folder.write(reasons, before);
    ScriptedDialogs dialogs;
    PickListWindow window(folder, dialogs);
    window.lists.loadReasons();

    for (const QString& text : typed) {
        window.Combodz.setEditText(text);
        window.lists.saveNewReason();
        QCOMPARE(window.Combodz.currentText(), text);
    }

    QCOMPARE(folder.read(reasons), after);
    QCOMPARE(items(window.Combodz), LineFile::splitLines(after));
    VERIFY_DIALOGS(dialogs);
}

void TestPickLists::saveNewReasonUnwritable_data()
{
    QTest::addColumn<bool>("folderMissing"); // otherwise a folder stands in place of the file
    QTest::newRow("folder missing") << true;
    QTest::newRow("folder in place of the file") << false;
}

void TestPickLists::saveNewReasonUnwritable()
{
    QFETCH(bool, folderMissing);

    TestFolder folder;
    folder.write(reasons, "a\r\n");
    ScriptedDialogs dialogs;
    PickListWindow window(folder, dialogs);
    window.lists.loadReasons();
    if (folderMissing)
        QVERIFY(QDir(folder.file(u"duvod"_s)).removeRecursively());
    else
        QVERIFY(putFolderInPlaceOf(folder, reasons));
    dialogs.expectPrefix(Dialogs::Kind::Error, cannotCreate(folder, reasons));

    window.Combodz.setEditText(u"new"_s);
    window.lists.saveNewReason();

    VERIFY_DIALOGS(dialogs);
    QCOMPARE(items(window.Combodz), (QStringList{"a", "new"}));
    QCOMPARE(window.Combodz.currentText(), u"new"_s);
}

void TestPickLists::editorSave_data()
{
    QTest::addColumn<QByteArray>("before");
    QTest::addColumn<QString>("shown"); // Memo1's text when the editor opens
    QTest::addColumn<bool>("edit");
    QTest::addColumn<QString>("typed"); // replaces Memo1's text when edit is set
    QTest::addColumn<QByteArray>("after");
    QTest::addColumn<QStringList>("entries");

    QTest::newRow("no final line end") << "a\r\nb\r\n"_ba << u"a\r\nb\r\n"_s << true << u"x\n\ny"_s
                                       << "x\r\n\r\ny"_ba << QStringList{"x", "", "y"};
    QTest::newRow("final line end") << "a\r\n"_ba << u"a\r\n"_s << true << u"x\ny\n"_s
                                    << "x\r\ny\r\n"_ba << QStringList{"x", "y"};
    QTest::newRow("LF-only file saved unchanged gets CR LF")
        << "a\nb\n"_ba << u"a\r\nb\r\n"_s << false << QString() << "a\r\nb\r\n"_ba
        << QStringList{"a", "b"};
    QTest::newRow("CR CR LF and a lone CR")
        << "a\r\r\nb\rc"_ba << u"a\r\n\r\nb\r\nc"_s << false << QString() << "a\r\n\r\nb\r\nc"_ba
        << QStringList{"a", "", "b", "c"};
    QTest::newRow("zero byte ends the text") << QByteArray("a\r\nb\0c", 6) << u"a\r\nb"_s << false
                                             << QString() << "a\r\nb"_ba << QStringList{"a", "b"};
    QTest::newRow("every character kept")
        << QByteArray() << QString() << true << u"  Dvůr\u00a0Králové\t§ \n"_s
        << cp1250(u"  Dvůr\u00a0Králové\t§ \r\n"_s) << QStringList{u"  Dvůr\u00a0Králové\t§ "_s};
    QTest::newRow("everything deleted")
        << "a\r\n"_ba << u"a\r\n"_s << true << QString() << QByteArray() << QStringList();
}

void TestPickLists::editorSave()
{
    QFETCH(QByteArray, before);
    QFETCH(QString, shown);
    QFETCH(bool, edit);
    QFETCH(QString, typed);
    QFETCH(QByteArray, after);
    QFETCH(QStringList, entries);

    TestFolder folder;
    folder.write(reasons, before);
    ScriptedDialogs dialogs;
    PickListWindow window(folder, dialogs);
    window.lists.loadReasons();
    window.Combodz.setEditText(u"typed, never added"_s);

    QString title;
    QString opened;
    dialogs.expectModal([&](QDialog& dialog) {
        title = dialog.windowTitle();
        opened = window.Form7.text();
        if (edit) {
            window.memo()->selectAll();
            if (typed.isEmpty())
                QTest::keyClick(window.memo(), Qt::Key_Delete);
            else
                window.memo()->insertPlainText(typed);
        }
        QTest::mouseClick(window.saveButton(), Qt::LeftButton);
        return dialog.result();
    });
    window.lists.editReasons();

    VERIFY_DIALOGS(dialogs);
    QCOMPARE(title, u"duvod.txt"_s);
    QCOMPARE(opened, shown);
    QCOMPARE(window.Form7.result(), int(QDialog::Accepted));
    QVERIFY(!window.Form7.isVisible());
    QCOMPARE(folder.read(reasons), after);
    QCOMPARE(items(window.Combodz), entries);
    QCOMPARE(window.Combodz.currentText(), u"typed, never added"_s);
}

void TestPickLists::editorClosedByTitleBar()
{
    TestFolder folder;
    folder.write(reasons, "a\nb"_ba);
    ScriptedDialogs dialogs;
    PickListWindow window(folder, dialogs);
    window.lists.loadReasons();

    // Closed without saving, then opened again: the unsaved edit is gone.
    QString reopened;
    dialogs
        .expectModal([&](QDialog& dialog) {
            window.memo()->selectAll();
            window.memo()->insertPlainText(u"changed"_s);
            dialog.close();
            return dialog.result();
        })
        .expectModal([&](QDialog& dialog) {
            reopened = window.Form7.text();
            dialog.close();
            return dialog.result();
        });
    window.lists.editReasons();
    QCOMPARE(window.Form7.result(), int(QDialog::Rejected));
    window.lists.editReasons();

    VERIFY_DIALOGS(dialogs);
    QCOMPARE(reopened, u"a\r\nb"_s);
    QCOMPARE(folder.read(reasons), "a\nb"_ba);
    QCOMPARE(items(window.Combodz), (QStringList{"a", "b"}));
}

void TestPickLists::editorUnreadableFile()
{
    TestFolder folder;
    folder.write(reasons, "a\r\n");
    ScriptedDialogs dialogs;
    PickListWindow window(folder, dialogs);
    window.lists.loadReasons();
    // A first opening leaves text in the editor; the second must not show it.
    dialogs.expectModal([](QDialog& dialog) {
        dialog.close();
        return dialog.result();
    });
    window.lists.editReasons();
    QVERIFY(QFile::remove(folder.file(reasons)));

    bool opened = false;
    QString shown = u"not opened"_s;
    dialogs.expectPrefix(Dialogs::Kind::Error, cannotOpen(folder, reasons))
        .expectModal([&](QDialog& dialog) {
            opened = true;
            shown = window.Form7.text();
            dialog.close();
            return dialog.result();
        });
    window.lists.editReasons();

    VERIFY_DIALOGS(dialogs);
    QVERIFY(opened);
    QCOMPARE(shown, QString());
    QCOMPARE(window.Form7.windowTitle(), u"duvod.txt"_s);
    QVERIFY(!QFileInfo::exists(folder.file(reasons)));
}

void TestPickLists::editorUnwritableFile()
{
    TestFolder folder;
    folder.write(reasons, "a\r\n");
    ScriptedDialogs dialogs;
    PickListWindow window(folder, dialogs);
    window.lists.loadReasons();

    bool sabotaged = false;
    bool stayedOpen = false;
    QString kept;
    dialogs.expectModal([&](QDialog& dialog) {
        window.memo()->selectAll();
        window.memo()->insertPlainText(u"x\ny"_s);
        sabotaged = putFolderInPlaceOf(folder, reasons);
        dialogs.expectPrefix(Dialogs::Kind::Error, cannotCreate(folder, reasons));
        QTest::mouseClick(window.saveButton(), Qt::LeftButton);
        stayedOpen = dialog.isVisible();
        kept = window.Form7.text();
        dialog.close();
        return dialog.result();
    });
    window.lists.editReasons();

    QVERIFY(sabotaged);
    VERIFY_DIALOGS(dialogs);
    QVERIFY(stayedOpen);
    QCOMPARE(kept, u"x\r\ny"_s);
    QCOMPARE(items(window.Combodz), QStringList{"a"});
}

QTEST_MAIN(TestPickLists)
#include "tst_picklists.moc"
