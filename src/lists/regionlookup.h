#pragma once

#include "programfolder.h"

#include <QObject>
#include <QString>
#include <array>

class Dialogs;
class QComboBox;
class QLineEdit;

// The main window's controls that the region lookup fills and keeps in step.
struct RegionWidgets
{
    QComboBox* ComboBox4 = nullptr;      // region ("Katastrální úřad pro")
    QComboBox* ComboBox1 = nullptr;      // territory codes, invisible, parallel to Comboku
    QComboBox* Comboku = nullptr;        // cadastral territory
    QComboBox* Comboob = nullptr;        // municipality
    std::array<QLineEdit*, 6> Editcku{}; // Editcku1 .. Editcku6, one character of the code each
};

// Loads the territory, code and municipality lists of a region from its three
// list files and keeps the territory, the municipality and the six code boxes
// in step when the user picks one of them.
//
// The lookup reacts only to the user: it listens to QComboBox::activated and
// QLineEdit::textEdited, which Qt emits for user actions and never for a
// selection or a text set from the program. Setting Comboku's or Comboob's
// selection or text from code therefore never runs the pick operations again.
class RegionLookup : public QObject
{
    Q_OBJECT

public:
    enum class RegionBy
    {
        Position,
        Text
    };
    enum class LoadMode
    {
        Fresh,
        Restore
    };

    // Fills ComboBox4 with the region names (keeping its text) and connects the
    // widgets. ComboBox4, Comboku and Comboob are made editable, and typed text
    // is never inserted as a new item. The widgets must outlive the lookup and
    // keep the line edits they have now.
    RegionLookup(ProgramFolder folder, Dialogs& dialogs, const RegionWidgets& widgets,
                 QObject* parent = nullptr);

    // Main window first shown: fresh load of the region named by ComboBox4's
    // text. Failures are not reported; the focus goes to Comboku in any case.
    void loadOnShow();
    // After a job's texts were put into the controls: restore load of the
    // region named by ComboBox4's text. Failures are not reported and the lists
    // not reached keep their items.
    void restoreForJob();
    // The user picked an item of ComboBox4: fresh load by position. A failure
    // is shown in the default error box and the focus stays where it is.
    void regionPicked();

    // Determines the region, empties the lists (fresh load only), loads the
    // "cisla", "ku" and "obce" files in this order and focuses Comboku. Throws
    // CommandError at the first file that cannot be read; the lists loaded
    // before it keep their new items.
    void loadRegionLists(RegionBy by, LoadMode mode);

    // File name of the region whose lists were last asked for; empty until a
    // region is known. Kept when a load names no region.
    const QString& regionFileName() const { return m_regionFileName; }

    // Comboku changed: selects the municipality and code at the same position
    // and fills the six boxes from the code.
    void territoryPicked();
    // Comboob changed: selects the territory and code at the same position and
    // fills the six boxes from the code.
    void municipalityPicked();

private:
    void territoryTyped();
    void municipalityTyped();
    void determineRegion(RegionBy by);
    void fillCodeBoxes(int position);
    QString listFile(const QString& folder) const;

    ProgramFolder m_folder;
    Dialogs& m_dialogs;
    RegionWidgets m_widgets;
    QString m_regionFileName;
};
