#pragma once

#include "programfolder.h"

#include <QObject>
#include <QString>

class Dialogs;
class QComboBox;
class TForm7;

// The pick lists of the ZPMZ tab: reasons for the change in Combodz from
// "\duvod\duvod.txt" and surveyors in Combozam from "\zameril\zameril.txt".
// The combos stay free-text fields: reloading a list never touches the text
// in its box. Reasons can be added one at a time or edited as a whole in the
// list editor TForm7; surveyors change only outside the program.
class PickLists : public QObject
{
    Q_OBJECT

public:
    PickLists(ProgramFolder folder, Dialogs& dialogs, QComboBox* Combodz, QComboBox* Combozam,
              TForm7* Form7, QObject* parent = nullptr);

    // The list editor is created after the main window, which loads the lists.
    void setEditor(TForm7* editor);

    QString reasonsFile() const;
    QString surveyorsFile() const;

    // Replace the items of Combodz / Combozam by the entries of their files.
    // Throw CommandError "Cannot open file ..." for the caller to report; the
    // list then keeps the items it had.
    void loadReasons();
    void loadSurveyors();

    // BitBtn12 "Uložit nový text": appends the text of Combodz as it is (even
    // empty or already listed) and writes the whole list. When the file cannot
    // be written the error is shown and the entry stays in the list.
    void saveNewReason();

    // BitBtn15 "Editovat": reads the reason file into the editor and shows it
    // modally. A file that cannot be read is reported and the editor opens
    // empty.
    void editReasons();

private:
    // BitBtn1 of the editor: writes the editor's text, reloads the reasons and
    // closes the editor; on failure the error is shown and the editor stays open.
    void saveEditedReasons();

    ProgramFolder m_folder;
    Dialogs& m_dialogs;
    QComboBox* Combodz;
    QComboBox* Combozam;
    TForm7* Form7;
};
