#pragma once

#include "logopicture.h"
#include "programfolder.h"

#include <QList>
#include <QMainWindow>
#include <memory>

namespace Ui {
class TForm1;
}
class QCheckBox;
class QLineEdit;
class ApplicationChecks;
class Dialogs;
class FocusChain;
class PickLists;
class RegionLookup;
class TForm2;
struct ZpmzInputs;

// The main window. Its controls are the job and the options: the other
// subsystems read and write them through controls() by the names of the form.
class TForm1 : public QMainWindow
{
    Q_OBJECT
public:
    TForm1(const ProgramFolder& folder, Dialogs& dialogs, QWidget* parent = nullptr);
    ~TForm1() override;

    Ui::TForm1& controls() { return *ui; }
    const ProgramFolder& programFolder() const { return m_folder; }
    Dialogs& dialogs() { return m_dialogs; }

    // The 26 applicant and authorised-person fields, in the order of their
    // settings keys "01" to "26".
    QList<QLineEdit*> personEdits() const;
    // The ten yes/no boxes of the application tab.
    QList<QCheckBox*> applicationChecks() const;

    // The windows the main window's buttons open, created after it.
    void setInfoWindow(QDialog* info) { m_info = info; }
    void setZpmzReport(TForm2* report) { m_zpmzReport = report; }

    // What the ZPMZ title page prints, as the controls hold it now.
    ZpmzInputs zpmzInputs() const;

    RegionLookup& regionLookup() { return *m_regionLookup; }
    PickLists& pickLists() { return *m_pickLists; }

    const LogoPicture& zpmzLogo() const { return m_zpmzLogo; }
    const LogoPicture& coversLogo() const { return m_coversLogo; }

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void FormCreate();
    void FormShow();
    void FormClose();
    void loadLogosAtStart();
    void showZpmzLogo();
    void setUpFocusChain();
    void appendYearSuffix(QLineEdit* field);
    void BitBtn10Click();
    void BitTisk1Click();

    std::unique_ptr<Ui::TForm1> ui;
    ProgramFolder m_folder;
    Dialogs& m_dialogs;
    FocusChain* m_focusChain = nullptr;
    ApplicationChecks* m_checks = nullptr;
    RegionLookup* m_regionLookup = nullptr;
    PickLists* m_pickLists = nullptr;
    LogoPicture m_zpmzLogo;
    LogoPicture m_coversLogo;
    QDialog* m_info = nullptr;
    TForm2* m_zpmzReport = nullptr;
    bool m_shown = false;
};
