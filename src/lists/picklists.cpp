#include "picklists.h"

#include "comboitems.h"
#include "commanderror.h"
#include "dialogs.h"
#include "linefile.h"
#include "tform7.h"

#include <QComboBox>

PickLists::PickLists(ProgramFolder folder, Dialogs& dialogs, QComboBox* Combodz,
                     QComboBox* Combozam, TForm7* Form7, QObject* parent)
    : QObject(parent), m_folder(std::move(folder)), m_dialogs(dialogs), Combodz(Combodz),
      Combozam(Combozam), Form7(Form7)
{
    Q_ASSERT(Combodz && Combozam);
    // Free-text fields whose lists change only through this class: Enter in
    // the box must not slip the typed text into the list.
    for (QComboBox* combo : {Combodz, Combozam}) {
        combo->setEditable(true);
        combo->setInsertPolicy(QComboBox::NoInsert);
    }
    if (Form7)
        setEditor(Form7);
}

void PickLists::setEditor(TForm7* editor)
{
    Form7 = editor;
    connect(Form7, &TForm7::saveRequested, this, &PickLists::saveEditedReasons);
}

QString PickLists::reasonsFile() const
{
    return m_folder.file(QStringLiteral("duvod/duvod.txt"));
}

QString PickLists::surveyorsFile() const
{
    return m_folder.file(QStringLiteral("zameril/zameril.txt"));
}

void PickLists::loadReasons()
{
    ComboItems::replace(*Combodz, LineFile::readLines(reasonsFile()));
}

void PickLists::loadSurveyors()
{
    ComboItems::replace(*Combozam, LineFile::readLines(surveyorsFile()));
}

void PickLists::saveNewReason()
{
    // The entry joins the list before the write, so it stays for this run even
    // when the file cannot be written.
    ComboItems::append(*Combodz, Combodz->currentText());
    QStringList entries;
    for (int i = 0; i < Combodz->count(); ++i)
        entries << Combodz->itemText(i);
    runCommand(m_dialogs, [&] { LineFile::writeLines(reasonsFile(), entries); });
}

void PickLists::editReasons()
{
    if (!Form7)
        return;
    // Read afresh at every opening, so edits left unsaved last time are gone.
    QString text;
    runCommand(m_dialogs, [&] { text = LineFile::decode(LineFile::readBytes(reasonsFile())); });
    Form7->setText(text);
    Form7->setWindowTitle(QStringLiteral("duvod.txt"));
    m_dialogs.execModal(*Form7);
}

void PickLists::saveEditedReasons()
{
    runCommand(m_dialogs, [this] {
        LineFile::writeBytes(reasonsFile(), LineFile::encode(Form7->text()));
        loadReasons();
        Form7->accept();
    });
}
