#include "jobcommands.h"
#include "jobfixture.h"
#include "linefile.h"
#include "scripteddialogs.h"
#include "settingsfile.h"
#include "testfolder.h"
#include "tform1.h"
#include "ui_tform1.h"

#include <QtTest>

using Kind = Dialogs::Kind;
using Button = Dialogs::Button;

Q_DECLARE_METATYPE(Dialogs::Button)
Q_DECLARE_METATYPE(Dialogs::Kind)

namespace {

const QString emptyGpNumber =
    QStringLiteral("Nejdříve vyplňte pole \"číslo GP\" --> jméno souboru.");
const QString notSaved = QStringLiteral("Zakázka není uložena,uložit?");
const QString deleteAll = QStringLiteral("Smazat všechny uložené?");
const QString sampleFile = QStringLiteral("Ulozene/320-857-2007.zpm");

QString overwrite(const QString& baseName)
{
    return QStringLiteral("Soubor ") + baseName + QStringLiteral(".zpm již existuje, přepsat?");
}

// The main window with the job commands on its bottom panel, in a fresh
// program folder; the region lists and the covers report are stood in for by
// counters.
struct Desk
{
    TestFolder folder;
    ScriptedDialogs dialogs;
    std::unique_ptr<TForm1> form = JobFixture::mainWindow(folder, dialogs);
    int regionRestores = 0;
    int purposeClears = 0;
    JobCommands jobs{*form, [this] { ++regionRestores; }, [this] { ++purposeClears; }};

    Ui::TForm1& ui() { return form->controls(); }
    QString native(const QString& relative) const
    {
        return QDir::toNativeSeparators(folder.file(relative));
    }
    QString lastJob() const
    {
        SettingsFile settings(folder.file("zr.ini"));
        return settings.readText("Nastaveni", "Posledni", "(none)");
    }
    void setLastJob(const QString& path) const
    {
        SettingsFile settings(folder.file("zr.ini"));
        settings.writeText("Nastaveni", "Posledni", path);
        settings.close();
    }
    void saveAs(const QString& gpNumber)
    {
        ui().Editcgp->setText(gpNumber);
        ui().Bitulo->click();
    }
    void writeSample(const QString& relative, const QList<std::pair<int, QString>>& changes = {})
    {
        QStringList lines = JobFixture::sampleLines();
        for (const auto& [line, value] : changes)
            lines[line - 1] = value;
        folder.writeLines(relative, lines);
    }
    // The jobs folders, in whatever letter case they were made.
    QStringList jobsFolders() const
    {
        QStringList found;
        for (const QString& name : QDir(folder.path()).entryList(QDir::Dirs | QDir::NoDotAndDotDot))
            if (name.compare("ulozene", Qt::CaseInsensitive) == 0)
                found << name;
        return found;
    }
};

enum class Event
{
    None,
    EditFields,
    SaveEmptyGpNumber,
    SaveWrites,
    SaveFindsFileYes,
    SaveFindsFileNo,
    SaveFails,
    New,
    NewAnsweredYes,
    NewAnsweredNo,
    Open,
    OpenLast,
    DeleteSaved
};

} // namespace

Q_DECLARE_METATYPE(Event)

class TestJobCommands : public QObject
{
    Q_OBJECT
private slots:
    void savedFlagLifeCycle_data();
    void savedFlagLifeCycle();
    void saveWritesTheJobFile();
    void overwriteQuestion_data();
    void overwriteQuestion();
    void failedReplacementKeepsOldFileAndFlag();
    void jobsFolderFoundWhateverItsCase();
    void jobsFolderThatCannotBeCreated();
    void newAsksUntilSavedOrGivenUp();
    void newKeepsAndClears();
    void openCancelledChangesNothing();
    void openAppliesAndRemembers();
    void openLastDoesNothingWithoutItsFile_data();
    void openLastDoesNothingWithoutItsFile();
    void openLastUnticksBeforeTheApply_data();
    void openLastUnticksBeforeTheApply();
    void deleteSaved_data();
    void deleteSaved();
    void saveAfterDeleteSaved();
};

void TestJobCommands::savedFlagLifeCycle_data()
{
    QTest::addColumn<bool>("before");
    QTest::addColumn<Event>("event");
    QTest::addColumn<bool>("after");
    QTest::newRow("program start") << false << Event::None << false;
    QTest::newRow("editing fields") << true << Event::EditFields << true;
    QTest::newRow("save with an empty GP number") << true << Event::SaveEmptyGpNumber << false;
    QTest::newRow("save that writes the job file") << false << Event::SaveWrites << true;
    QTest::newRow("save finds the file, answered Yes") << false << Event::SaveFindsFileYes << true;
    QTest::newRow("save finds the file, answered No (no)")
        << false << Event::SaveFindsFileNo << false;
    QTest::newRow("save finds the file, answered No (yes)")
        << true << Event::SaveFindsFileNo << true;
    QTest::newRow("save that ends with an error (no)") << false << Event::SaveFails << false;
    QTest::newRow("save that ends with an error (yes)") << true << Event::SaveFails << true;
    QTest::newRow("new while yes") << true << Event::New << false;
    QTest::newRow("new while no, answered Yes") << false << Event::NewAnsweredYes << false;
    QTest::newRow("new while no, answered No") << false << Event::NewAnsweredNo << false;
    for (bool before : {false, true}) {
        const char* flag = before ? "yes" : "no";
        QTest::addRow("open (%s)", flag) << before << Event::Open << before;
        QTest::addRow("open last (%s)", flag) << before << Event::OpenLast << before;
        QTest::addRow("delete saved (%s)", flag) << before << Event::DeleteSaved << before;
    }
}

void TestJobCommands::savedFlagLifeCycle()
{
    QFETCH(bool, before);
    QFETCH(Event, event);
    QFETCH(bool, after);

    Desk desk;
    Ui::TForm1& ui = desk.ui();
    if (before)
        desk.saveAs("1/2014");
    QCOMPARE(desk.jobs.isSaved(), before);

    const QString gpNumber = QStringLiteral("320-857/2007");
    switch (event) {
    case Event::None:
        break;
    case Event::EditFields:
        ui.Editcgp->setText("2/2014");
        ui.CheckBox9->setChecked(true);
        break;
    case Event::SaveEmptyGpNumber:
        desk.dialogs.expect(Kind::Information, emptyGpNumber, Button::Ok, {Button::Ok});
        desk.saveAs({});
        break;
    case Event::SaveWrites:
        desk.saveAs(gpNumber);
        QVERIFY(QFile::exists(desk.folder.file(sampleFile)));
        break;
    case Event::SaveFindsFileYes:
    case Event::SaveFindsFileNo:
        desk.folder.writeLines(sampleFile, {"stará"});
        desk.dialogs.expect(Kind::Information, overwrite("320-857-2007"),
                            event == Event::SaveFindsFileYes ? Button::Yes : Button::No,
                            {Button::Yes, Button::No});
        desk.saveAs(gpNumber);
        break;
    case Event::SaveFails:
        desk.folder.writeLines(sampleFile, {"stará"});
        QVERIFY(QFile::setPermissions(desk.folder.file(sampleFile), QFile::ReadOwner));
        desk.dialogs.expect(Kind::Information, overwrite("320-857-2007"), Button::Yes);
        desk.dialogs.expectPrefix(Kind::Error, "Cannot create file");
        desk.saveAs(gpNumber);
        break;
    case Event::New:
        ui.Bitcis1->click();
        QCOMPARE(ui.Editcgp->text(), QString());
        break;
    case Event::NewAnsweredYes:
        ui.Editcgp->setText(gpNumber);
        desk.dialogs.expect(Kind::Confirmation, notSaved, Button::Yes, {Button::Yes, Button::No});
        ui.Bitcis1->click();
        QVERIFY(QFile::exists(desk.folder.file(sampleFile)));
        QCOMPARE(ui.Editcgp->text(), QString());
        break;
    case Event::NewAnsweredNo:
        ui.Editcgp->setText(gpNumber);
        desk.dialogs.expect(Kind::Confirmation, notSaved, Button::No, {Button::Yes, Button::No});
        ui.Bitcis1->click();
        QVERIFY(!QFile::exists(desk.folder.file(sampleFile)));
        QCOMPARE(ui.Editcgp->text(), QString());
        break;
    case Event::Open:
        desk.writeSample(sampleFile);
        desk.dialogs.expectOpenFile(desk.folder.file(sampleFile));
        ui.Bitotev->click();
        QCOMPARE(ui.Editcgp->text(), gpNumber);
        break;
    case Event::OpenLast:
        desk.writeSample(sampleFile);
        desk.setLastJob(desk.native(sampleFile));
        ui.BitBtn1->click();
        QCOMPARE(ui.Editcgp->text(), gpNumber);
        break;
    case Event::DeleteSaved:
        desk.writeSample(sampleFile);
        desk.dialogs.expect(Kind::Confirmation, deleteAll, Button::Ok);
        desk.dialogs.expect(Kind::Information, "Smazáno.", Button::Ok);
        ui.Bitsmaz->click();
        break;
    }
    QCOMPARE(desk.jobs.isSaved(), after);
    VERIFY_DIALOGS(desk.dialogs);
}

void TestJobCommands::saveWritesTheJobFile()
{
    Desk desk;
    Ui::TForm1& ui = desk.ui();
    JobFixture::setFields(*desk.form, JobFixture::sampleLines());
    QList<int> shown;
    connect(ui.Gauge1, &QProgressBar::valueChanged, this, [&](int value) { shown << value; });

    ui.Bitulo->click();

    QCOMPARE(desk.folder.read(sampleFile), JobFixture::sampleBytes());
    QVERIFY(desk.jobsFolders().contains("Ulozene"));
    QCOMPARE(desk.lastJob(), desk.native(sampleFile));
    QVERIFY(desk.jobs.isSaved());
    // 69 steps of 10: full from the 39th step on, empty once the file is written.
    QList<int> expected;
    for (int value = 10; value <= 390; value += 10)
        expected << value;
    expected << 0;
    QCOMPARE(shown, expected);
    QCOMPARE(ui.Gauge1->value(), 0);
    VERIFY_DIALOGS(desk.dialogs);
}

void TestJobCommands::overwriteQuestion_data()
{
    QTest::addColumn<Button>("answer");
    QTest::newRow("Yes replaces the file") << Button::Yes;
    QTest::newRow("No leaves everything") << Button::No;
}

void TestJobCommands::overwriteQuestion()
{
    QFETCH(Button, answer);
    Desk desk;
    const QByteArray old = LineFile::joinLines({"stará zakázka"});
    desk.folder.write(sampleFile, old);
    desk.setLastJob("C:\\Zemlar\\ulozene\\jina.zpm");
    const QByteArray settings = desk.folder.read("zr.ini");
    JobFixture::setFields(*desk.form, JobFixture::sampleLines());

    desk.dialogs.expect(Kind::Information, overwrite("320-857-2007"), answer,
                        {Button::Yes, Button::No});
    desk.ui().Bitulo->click();

    if (answer == Button::Yes) {
        QCOMPARE(desk.folder.read(sampleFile), JobFixture::sampleBytes());
        QCOMPARE(desk.lastJob(), desk.native(sampleFile));
        QVERIFY(desk.jobs.isSaved());
    } else {
        QCOMPARE(desk.folder.read(sampleFile), old);
        QCOMPARE(desk.folder.read("zr.ini"), settings);
        QVERIFY(!desk.jobs.isSaved());
    }
    QCOMPARE(desk.ui().Gauge1->value(), 0);
    VERIFY_DIALOGS(desk.dialogs);
}

void TestJobCommands::failedReplacementKeepsOldFileAndFlag()
{
    Desk desk;
    desk.saveAs("1/2014");
    QVERIFY(desk.jobs.isSaved());
    const QByteArray old = LineFile::joinLines({"stará zakázka"});
    desk.folder.write(sampleFile, old);
    QVERIFY(QFile::setPermissions(desk.folder.file(sampleFile), QFile::ReadOwner));
    const QByteArray settings = desk.folder.read("zr.ini");
    JobFixture::setFields(*desk.form, JobFixture::sampleLines());

    desk.dialogs.expect(Kind::Information, overwrite("320-857-2007"), Button::Yes);
    desk.dialogs.expect(
        Kind::Error,
        QStringLiteral("Cannot create file \"%1\". Permission denied").arg(desk.native(sampleFile)),
        Button::Ok);
    desk.ui().Bitulo->click();
    VERIFY_DIALOGS(desk.dialogs);

    QCOMPARE(desk.folder.read(sampleFile), old);
    // The last-job path still names the job that was written.
    QCOMPARE(desk.folder.read("zr.ini"), settings);
    QVERIFY(desk.jobs.isSaved());
    // The bar stays where the save stopped; the next save that works empties it.
    QCOMPARE(desk.ui().Gauge1->value(), 390);

    QVERIFY(
        QFile::setPermissions(desk.folder.file(sampleFile), QFile::ReadOwner | QFile::WriteOwner));
    desk.dialogs.expect(Kind::Information, overwrite("320-857-2007"), Button::Yes);
    desk.ui().Bitulo->click();
    QCOMPARE(desk.folder.read(sampleFile), JobFixture::sampleBytes());
    QCOMPARE(desk.ui().Gauge1->value(), 0);
    VERIFY_DIALOGS(desk.dialogs);
}

void TestJobCommands::jobsFolderFoundWhateverItsCase()
{
    Desk desk;
    desk.folder.write("ULOZENE/320-857-2007.zpm", "stará\r\n");
    JobFixture::setFields(*desk.form, JobFixture::sampleLines());
    desk.dialogs.expect(Kind::Information, overwrite("320-857-2007"), Button::Yes);
    desk.ui().Bitulo->click();
    QCOMPARE(desk.jobsFolders(), QStringList{"ULOZENE"});
    QCOMPARE(desk.folder.read("ULOZENE/320-857-2007.zpm"), JobFixture::sampleBytes());
    QCOMPARE(desk.lastJob(), desk.native("ULOZENE/320-857-2007.zpm"));
    VERIFY_DIALOGS(desk.dialogs);
}

void TestJobCommands::jobsFolderThatCannotBeCreated()
{
    Desk desk;
    // A file where the folder should be.
    desk.folder.write("Ulozene", "not a folder");
    desk.dialogs.expect(
        Kind::Error,
        QStringLiteral("Unable to create directory \"%1\"").arg(desk.native("Ulozene")),
        Button::Ok);
    desk.saveAs("320-857/2007");
    QVERIFY(!desk.jobs.isSaved());
    QVERIFY(!QFile::exists(desk.folder.file("zr.ini")));
    QCOMPARE(desk.ui().Gauge1->value(), 0);
    VERIFY_DIALOGS(desk.dialogs);
}

void TestJobCommands::newAsksUntilSavedOrGivenUp()
{
    Desk desk;
    desk.ui().Editcz1->setText("4");
    for (int round = 0; round < 2; ++round) {
        desk.dialogs.expect(Kind::Confirmation, notSaved, Button::Yes, {Button::Yes, Button::No});
        desk.dialogs.expect(Kind::Information, emptyGpNumber, Button::Ok, {Button::Ok});
    }
    desk.dialogs.expect(Kind::Confirmation, notSaved, Button::No, {Button::Yes, Button::No});
    desk.ui().Bitcis1->click();
    VERIFY_DIALOGS(desk.dialogs);
    QCOMPARE(desk.ui().Editcz1->text(), QString());
    QVERIFY(!desk.jobs.isSaved());
    QVERIFY(desk.jobsFolders().isEmpty());
}

void TestJobCommands::newKeepsAndClears()
{
    Desk desk;
    Ui::TForm1& ui = desk.ui();
    const QStringList sample = JobFixture::sampleLines();
    JobFixture::setFields(*desk.form, sample);
    // Not part of the job, and left alone.
    ui.CheckBox21->setChecked(true);
    ui.Edit1->setText("Ing. Jiří Šťastný");
    ui.CheckBox1->setChecked(false);
    ui.CheckBox13->setChecked(true);
    ui.ComboBox2->setCurrentIndex(8);
    ui.Comboku->addItems({"Bohdalov", "Jiříkovice u Nového Veselí"});
    ui.Bitulo->click();
    QVERIFY(desk.jobs.isSaved());
    // "pouze návrh zobrazení změny" ticked: its coupling must not tick "celý ZPMZ" again.
    QVERIFY(ui.CheckBox7->isChecked());
    ui.PageControl1->setCurrentWidget(ui.TabSheet3);

    ui.Bitcis1->click();

    const QStringList cleared{"Editcku1",        "Editcku2", "Editcku3", "Editcku4", "Editcku5",
                              "Editcku6",        "Editcz1",  "Editcz2",  "Editcz3",  "Editcz4",
                              "Editcz5",         "Editzdp",  "Editcgp",  "Combodz",  "ComboKM",
                              "Combozam",        "Comboob",  "Comboku",  "Editobj",  "Editovereni",
                              "Editdatumovereni"};
    for (int n = 1; n <= 67; ++n) {
        const QString name = JobFixture::fieldNames().at(n - 1);
        const QString value = JobFixture::fieldLine(*desk.form, name);
        if (cleared.contains(name))
            QVERIFY2(value.isEmpty(), qPrintable(name));
        else if (name.startsWith("CheckBox"))
            QCOMPARE(value, QStringLiteral("NE"));
        else if (name == "ComboBox3")
            QCOMPARE(value, QStringLiteral("0"));
        else
            QVERIFY2(value == sample.at(n - 1), qPrintable(name + " changed to " + value));
    }
    for (QCheckBox* box : {ui.CheckBox5, ui.CheckBox6, ui.CheckBox7, ui.CheckBox8, ui.CheckBox9,
                           ui.CheckBox10, ui.CheckBox11, ui.CheckBox19, ui.CheckBox20})
        QVERIFY2(!box->isChecked(), qPrintable(box->objectName()));
    QCOMPARE(ui.ComboBox2->currentText(), QStringLiteral("5"));
    QVERIFY(ui.CheckBox21->isChecked());
    QCOMPARE(ui.Edit1->text(), QStringLiteral("Ing. Jiří Šťastný"));
    QVERIFY(!ui.CheckBox1->isChecked());
    QVERIFY(ui.CheckBox13->isChecked());
    QCOMPARE(ui.Comboku->count(), 2);
    QCOMPARE(ui.ComboKM->count(), 4);
    QCOMPARE(ui.PageControl1->currentWidget(), ui.TabSheet1);
    QCOMPARE(desk.purposeClears, 1);
    QVERIFY(!desk.jobs.isSaved());
    VERIFY_DIALOGS(desk.dialogs);
}

void TestJobCommands::openCancelledChangesNothing()
{
    Desk desk;
    desk.writeSample(sampleFile);
    desk.setLastJob("C:\\Zemlar\\ulozene\\jina.zpm");
    const QByteArray settings = desk.folder.read("zr.ini");
    desk.ui().Editcgp->setText("7/2014");
    desk.ui().PageControl1->setCurrentWidget(desk.ui().TabSheet2);

    desk.dialogs.expectOpenFile({});
    desk.ui().Bitotev->click();

    QCOMPARE(desk.folder.read("zr.ini"), settings);
    QCOMPARE(desk.ui().Editcgp->text(), QStringLiteral("7/2014"));
    QCOMPARE(desk.ui().PageControl1->currentWidget(), desk.ui().TabSheet2);
    QCOMPARE(desk.regionRestores, 0);
    QCOMPARE(desk.dialogs.fileRequests.size(), 1);
    const Dialogs::FileRequest& request = desk.dialogs.fileRequests.first();
    QCOMPARE(request.title, QStringLiteral("Otevřít soubor"));
    QCOMPARE(request.filters, QStringList{"*.zpm"});
    QCOMPARE(request.directory, desk.folder.file("Ulozene"));
    QCOMPARE(request.fileName, QString());
    VERIFY_DIALOGS(desk.dialogs);
}

void TestJobCommands::openAppliesAndRemembers()
{
    Desk desk;
    desk.writeSample(sampleFile);
    desk.writeSample("Ulozene/vadna.zpm", {{13, "999/2000"}, {22, "abc"}});

    desk.dialogs.expectOpenFile(desk.folder.file(sampleFile));
    desk.ui().Bitotev->click();
    const QStringList sample = JobFixture::sampleLines();
    for (int n = 1; n <= 67; ++n)
        QCOMPARE(JobFixture::fieldLine(*desk.form, JobFixture::fieldNames().at(n - 1)),
                 sample.at(n - 1));
    QCOMPARE(desk.regionRestores, 1);
    QCOMPARE(desk.lastJob(), desk.native(sampleFile));
    QVERIFY(!desk.jobs.isSaved());

    // A file that fails to apply: the fields up to the failure change, silently,
    // and the last-job path stays.
    desk.dialogs.expectOpenFile(desk.folder.file("Ulozene/vadna.zpm"));
    desk.ui().Bitotev->click();
    QCOMPARE(desk.dialogs.fileRequests.last().fileName, desk.native(sampleFile));
    QCOMPARE(desk.ui().Editcgp->text(), QStringLiteral("999/2000"));
    QCOMPARE(desk.lastJob(), desk.native(sampleFile));
    QCOMPARE(desk.regionRestores, 1);
    VERIFY_DIALOGS(desk.dialogs);
}

void TestJobCommands::openLastDoesNothingWithoutItsFile_data()
{
    QTest::addColumn<bool>("savedThenDeleted");
    QTest::newRow("first start") << false;
    QTest::newRow("last job file deleted") << true;
}

void TestJobCommands::openLastDoesNothingWithoutItsFile()
{
    QFETCH(bool, savedThenDeleted);
    Desk desk;
    Ui::TForm1& ui = desk.ui();
    if (savedThenDeleted) {
        desk.saveAs("320-857/2007");
        QVERIFY(QFile::remove(desk.folder.file(sampleFile)));
    }
    const QByteArray settings = desk.folder.read("zr.ini");
    const bool settingsExist = QFile::exists(desk.folder.file("zr.ini"));
    ui.Editcgp->setText("7/2014");
    ui.CheckBox7->setChecked(true);
    ui.CheckBox6->setChecked(true);

    ui.BitBtn1->click();

    QCOMPARE(ui.Editcgp->text(), QStringLiteral("7/2014"));
    QVERIFY(ui.CheckBox7->isChecked());
    QVERIFY(ui.CheckBox6->isChecked());
    QVERIFY(!ui.CheckBox5->isChecked());
    QCOMPARE(QFile::exists(desk.folder.file("zr.ini")), settingsExist);
    QCOMPARE(desk.folder.read("zr.ini"), settings);
    QCOMPARE(desk.regionRestores, 0);
    QVERIFY(desk.dialogs.shown.size() == 1); // only the start's logo warning
    VERIFY_DIALOGS(desk.dialogs);
}

void TestJobCommands::openLastUnticksBeforeTheApply_data()
{
    QTest::addColumn<bool>("last");
    QTest::addColumn<bool>("wholeRecordTicked");
    // The file stores "NE" for both electronic-form boxes while "pouze návrh"
    // is ticked. Open unticks it in the apply, whose coupling then ticks
    // "celý ZPMZ"; Open last has unticked it before, so the apply unticks
    // "celý ZPMZ" last.
    QTest::newRow("open") << false << true;
    QTest::newRow("open last") << true << false;
}

void TestJobCommands::openLastUnticksBeforeTheApply()
{
    QFETCH(bool, last);
    QFETCH(bool, wholeRecordTicked);
    Desk desk;
    Ui::TForm1& ui = desk.ui();
    desk.writeSample(sampleFile, {{23, "NE"}, {25, "NE"}});
    ui.CheckBox7->setChecked(true);
    QVERIFY(!ui.CheckBox5->isChecked());

    if (last) {
        desk.setLastJob(desk.native(sampleFile));
        ui.BitBtn1->click();
    } else {
        desk.dialogs.expectOpenFile(desk.folder.file(sampleFile));
        ui.Bitotev->click();
    }

    QCOMPARE(ui.Editcgp->text(), QStringLiteral("320-857/2007"));
    QVERIFY(!ui.CheckBox7->isChecked());
    QCOMPARE(ui.CheckBox5->isChecked(), wholeRecordTicked);
    QCOMPARE(ui.CheckBox5->text(), wholeRecordTicked ? QStringLiteral("ANO") : "NE");
    QCOMPARE(desk.lastJob(), desk.native(sampleFile));
    QCOMPARE(desk.regionRestores, 1);
    VERIFY_DIALOGS(desk.dialogs);
}

void TestJobCommands::deleteSaved_data()
{
    QTest::addColumn<QString>("existing");
    QTest::addColumn<Button>("answer");
    QTest::addColumn<Kind>("resultKind");
    QTest::addColumn<QString>("result");
    QTest::newRow("answered No") << "Ulozene" << Button::No << Kind::Information << "";
    QTest::newRow("no folder") << "" << Button::Ok << Kind::Warning << "Nelze smazat.";
    QTest::newRow("with a folder") << "Ulozene" << Button::Ok << Kind::Information << "Smazáno.";
    QTest::newRow("lower-case folder")
        << "ulozene" << Button::Ok << Kind::Information << "Smazáno.";
}

void TestJobCommands::deleteSaved()
{
    QFETCH(QString, existing);
    QFETCH(Button, answer);
    QFETCH(Kind, resultKind);
    QFETCH(QString, result);
    Desk desk;
    if (!existing.isEmpty()) {
        desk.writeSample(existing + "/320-857-2007.zpm");
        desk.folder.write(existing + "/starsi/1-2014.zpm", "x\r\n");
    }
    desk.setLastJob(desk.native(sampleFile));
    desk.ui().Editcgp->setText("7/2014");

    desk.dialogs.expect(Kind::Confirmation, deleteAll, answer, {Button::No, Button::Ok});
    if (!result.isEmpty())
        desk.dialogs.expect(resultKind, result, Button::Ok, {Button::Ok});
    desk.ui().Bitsmaz->click();
    VERIFY_DIALOGS(desk.dialogs);

    const bool kept = answer != Button::Ok;
    QCOMPARE(QFileInfo::exists(desk.folder.file(existing + "/320-857-2007.zpm")),
             !existing.isEmpty() && kept);
    QCOMPARE(desk.jobsFolders().isEmpty(), existing.isEmpty() || !kept);
    QVERIFY(QFile::exists(desk.folder.file("zr.ini")));
    QCOMPARE(desk.ui().Editcgp->text(), QStringLiteral("7/2014"));
}

void TestJobCommands::saveAfterDeleteSaved()
{
    Desk desk;
    desk.saveAs("320-857/2007");
    desk.dialogs.expect(Kind::Confirmation, deleteAll, Button::Ok);
    desk.dialogs.expect(Kind::Information, "Smazáno.", Button::Ok);
    desk.ui().Bitsmaz->click();
    QVERIFY(desk.jobsFolders().isEmpty());

    desk.ui().Bitulo->click();
    QCOMPARE(desk.jobsFolders(), QStringList{"Ulozene"});
    QVERIFY(QFile::exists(desk.folder.file(sampleFile)));
    QVERIFY(desk.jobs.isSaved());
    VERIFY_DIALOGS(desk.dialogs);
}

QTEST_MAIN(TestJobCommands)
#include "tst_jobcommands.moc"
