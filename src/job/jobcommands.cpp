#include "jobcommands.h"

#include "commanderror.h"
#include "dialogs.h"
#include "settingsfile.h"
#include "tform1.h"
#include "ui_tform1.h"

#include <QDir>
#include <QFileInfo>
#include <QSignalBlocker>

namespace {

using Button = Dialogs::Button;
using Kind = Dialogs::Kind;

const QString nastaveni = QStringLiteral("Nastaveni");
const QString posledni = QStringLiteral("Posledni");

// Opening a job reports nothing: an unreadable file, a value that cannot be
// parsed or a settings file that cannot be written just end the command.
void silently(const std::function<void()>& block)
{
    try {
        block();
    } catch (const std::exception&) {
    }
}

QString fullPath(const QString& path)
{
    return QDir::toNativeSeparators(QFileInfo(path).absoluteFilePath());
}

} // namespace

JobCommands::JobCommands(TForm1& form, std::function<void()> restoreRegionLists,
                         std::function<void()> clearCoversPurpose, QObject* parent)
    : QObject(parent), m_form(form), m_job(form, std::move(restoreRegionLists)),
      m_jobs(form.programFolder()), m_progress(form.controls().Gauge1),
      m_clearCoversPurpose(std::move(clearCoversPurpose))
{
    Ui::TForm1& ui = m_form.controls();
    connect(ui.Bitcis1, &QPushButton::clicked, this, &JobCommands::Bitcis1Click);
    connect(ui.Bitotev, &QPushButton::clicked, this, &JobCommands::BitotevClick);
    connect(ui.BitBtn1, &QPushButton::clicked, this, &JobCommands::BitBtn1Click);
    connect(ui.Bitulo, &QPushButton::clicked, this, &JobCommands::BituloClick);
    connect(ui.Bitsmaz, &QPushButton::clicked, this, &JobCommands::BitsmazClick);
}

void JobCommands::save()
{
    runCommand(m_form.dialogs(), [this] { saveJob(); });
}

void JobCommands::BituloClick()
{
    save();
}

void JobCommands::saveJob()
{
    Ui::TForm1& ui = m_form.controls();
    const QString gpNumber = ui.Editcgp->text();
    if (gpNumber.isEmpty()) {
        m_form.dialogs().message(
            Kind::Information,
            QStringLiteral("Nejdříve vyplňte pole \"číslo GP\" --> jméno souboru."), {Button::Ok});
        m_saved = false;
        return;
    }
    // The current directory is left in the jobs folder, as it always was;
    // every path below is a full one, so nothing depends on it.
    QDir::setCurrent(m_form.programFolder().path());
    const QString folder = m_jobs.ensure();
    QDir::setCurrent(folder);

    const QString baseName = JobFile::baseName(gpNumber);
    const QString path = ProgramFolder::resolve(folder, JobFile::fileName(gpNumber));
    if (QFileInfo::exists(path)) {
        const Button answer = m_form.dialogs().message(
            Kind::Information, QStringLiteral("Soubor %1.zpm již existuje, přepsat?").arg(baseName),
            {Button::Yes, Button::No});
        if (answer != Button::Yes)
            return;
        // The old file is not deleted first: the write replaces it as a whole
        // or, when it cannot, leaves it untouched and reports why.
    }
    writeJob(path);
}

void JobCommands::writeJob(const QString& path)
{
    m_progress.advance();
    const JobFile::Lines lines = m_job.compose([this] { m_progress.advance(); });
    m_progress.advance();
    lines.write(path);
    // Only now: a failed write must not leave "Poslední" pointing at a job
    // file that was never written.
    recordLastJob(path);
    m_progress.reset();
    m_saved = true;
}

void JobCommands::recordLastJob(const QString& path)
{
    SettingsFile settings(m_form.programFolder().settingsFile());
    settings.writeText(nastaveni, posledni, fullPath(path));
    settings.close();
}

void JobCommands::BitotevClick()
{
    runCommand(m_form.dialogs(), [this] {
        Dialogs::FileRequest request;
        request.title = QStringLiteral("Otevřít soubor");
        request.directory = m_jobs.path();
        request.filters = {QStringLiteral("*.zpm")};
        request.fileName = m_dialogFileName;
        const QString chosen = m_form.dialogs().openFileName(request);
        if (chosen.isEmpty())
            return;
        m_dialogFileName = fullPath(chosen);
        silently([this] {
            const JobFile::Lines lines = JobFile::Lines::load(m_dialogFileName);
            if (m_job.apply(lines) != JobForm::ApplyResult::Applied)
                return;
            recordLastJob(m_dialogFileName);
        });
    });
}

void JobCommands::BitBtn1Click()
{
    runCommand(m_form.dialogs(), [this] {
        silently([this] {
            SettingsFile settings(m_form.programFolder().settingsFile());
            m_dialogFileName = settings.readText(nastaveni, posledni, m_dialogFileName);
            // First start: no job was saved, opened or reopened yet.
            if (m_dialogFileName.isEmpty())
                return;
            const JobFile::Lines lines = JobFile::Lines::load(m_dialogFileName);
            // Boxes that were ticked start from unticked, so each tick and
            // caption the job restores comes out as the file says.
            Ui::TForm1& ui = m_form.controls();
            for (QCheckBox* box : {ui.CheckBox5, ui.CheckBox6, ui.CheckBox7, ui.CheckBox8})
                box->setChecked(false);
            if (m_job.apply(lines) != JobForm::ApplyResult::Applied)
                return;
            recordLastJob(m_dialogFileName);
        });
    });
}

void JobCommands::BitsmazClick()
{
    runCommand(m_form.dialogs(), [this] {
        QDir::setCurrent(m_form.programFolder().path());
        Dialogs& dialogs = m_form.dialogs();
        const Button answer =
            dialogs.message(Kind::Confirmation, QStringLiteral("Smazat všechny uložené?"),
                            {Button::No, Button::Ok});
        if (answer != Button::Ok)
            return;
        if (m_jobs.remove())
            dialogs.information(QStringLiteral("Smazáno."));
        else
            dialogs.warning(QStringLiteral("Nelze smazat."));
    });
}

void JobCommands::Bitcis1Click()
{
    runCommand(m_form.dialogs(), [this] {
        // Asked again until the job is saved or the user gives it up.
        while (!m_saved) {
            const Button answer = m_form.dialogs().message(
                Kind::Confirmation, QStringLiteral("Zakázka není uložena,uložit?"),
                {Button::Yes, Button::No});
            if (answer == Button::Yes)
                save();
            else
                m_saved = true;
        }
        clearJob();
    });
}

void JobCommands::clearJob()
{
    Ui::TForm1& ui = m_form.controls();
    m_saved = false;
    ui.PageControl1->setCurrentWidget(ui.TabSheet1);

    for (QLineEdit* edit :
         {ui.Editcku1, ui.Editcku2, ui.Editcku3, ui.Editcku4, ui.Editcku5, ui.Editcku6, ui.Editcz1,
          ui.Editcz2, ui.Editcz3, ui.Editcz4, ui.Editcz5, ui.Editzdp, ui.Editcgp})
        edit->clear();
    // Emptied texts are no pick of the user; the item lists stay.
    for (QComboBox* combo : {ui.Combodz, ui.ComboKM, ui.Combozam, ui.Comboob, ui.Comboku}) {
        const QSignalBlocker blocker(combo);
        combo->setEditText(QString());
    }
    if (m_clearCoversPurpose)
        m_clearCoversPurpose();
    ui.Editobj->clear();

    // Unticked as well as captioned "NE", so the printout, which reads the
    // ticks, shows what a saved file will store. CheckBox7 goes first: once
    // it is unticked its coupling can no longer tick CheckBox5 again.
    const QList<QCheckBox*> boxes{ui.CheckBox7,  ui.CheckBox5,  ui.CheckBox6,
                                  ui.CheckBox8,  ui.CheckBox9,  ui.CheckBox10,
                                  ui.CheckBox11, ui.CheckBox19, ui.CheckBox20};
    for (QCheckBox* box : boxes)
        box->setChecked(false);
    for (QCheckBox* box : boxes)
        box->setText(QStringLiteral("NE"));

    ui.ComboBox3->setCurrentIndex(0);
    ui.ComboBox2->setCurrentIndex(4);
    ui.Editovereni->clear();
    ui.Editdatumovereni->clear();
}
