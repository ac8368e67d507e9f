#pragma once

#include "jobform.h"
#include "jobsfolder.h"
#include "saveprogress.h"

#include <QObject>
#include <QString>
#include <functional>

class TForm1;

// The job buttons of the main window's bottom panel: "Nový", "Otevřít",
// "Poslední", "Uložit" and "Smazat uložené", and the job-saved flag that tells
// "Nový" whether it may clear the fields without asking.
class JobCommands : public QObject
{
    Q_OBJECT
public:
    // restoreRegionLists reloads the region lists for the region a job names,
    // keeping the restored texts and never reporting a failure;
    // clearCoversPurpose empties the purpose memo of the covers report. Both
    // may throw nothing that the job commands would have to report.
    JobCommands(TForm1& form, std::function<void()> restoreRegionLists,
                std::function<void()> clearCoversPurpose, QObject* parent = nullptr);

    // "Uložit": writes the job under its GP number. Failures are shown in
    // message boxes and never thrown; callers see the outcome in isSaved().
    void save();
    // The job-saved flag: no at start, yes after a save, no after "Nový"
    // cleared the fields. Editing and opening a job leave it alone.
    bool isSaved() const { return m_saved; }

private:
    void Bitcis1Click();
    void BitotevClick();
    void BitBtn1Click();
    void BituloClick();
    void BitsmazClick();

    void saveJob();
    void writeJob(const QString& path);
    void clearJob();
    void recordLastJob(const QString& path);

    TForm1& m_form;
    JobForm m_job;
    JobsFolder m_jobs;
    SaveProgress m_progress;
    std::function<void()> m_clearCoversPurpose;
    bool m_saved = false;
    // The open dialog's file name: the file last chosen in it or last reopened,
    // proposed by the dialog and the default for a missing last-job path.
    QString m_dialogFileName;
};
