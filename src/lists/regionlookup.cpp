#include "regionlookup.h"

#include "comboitems.h"
#include "commanderror.h"
#include "linefile.h"
#include "nopickonleave.h"
#include "regiontable.h"

#include <QComboBox>
#include <QLineEdit>
#include <QSignalBlocker>

namespace {

void makeTypable(QComboBox& combo)
{
    combo.setEditable(true);
    // Typed text never becomes an item: the regions are a fixed table, and the
    // territory and municipality lists are parallel line by line.
    combo.setInsertPolicy(QComboBox::NoInsert);
    new NoPickOnLeave(&combo);
}

} // namespace

RegionLookup::RegionLookup(ProgramFolder folder, Dialogs& dialogs, const RegionWidgets& widgets,
                           QObject* parent)
    : QObject(parent), m_folder(std::move(folder)), m_dialogs(dialogs), m_widgets(widgets)
{
    Q_ASSERT(m_widgets.ComboBox4 && m_widgets.ComboBox1 && m_widgets.Comboku && m_widgets.Comboob);
    for (QLineEdit* box : m_widgets.Editcku)
        Q_ASSERT(box);

    makeTypable(*m_widgets.ComboBox4);
    makeTypable(*m_widgets.Comboku);
    makeTypable(*m_widgets.Comboob);
    ComboItems::replace(*m_widgets.ComboBox4, RegionTable::names());

    // Text typed into the region field changes nothing until an item is picked.
    connect(m_widgets.ComboBox4, &QComboBox::activated, this, &RegionLookup::regionPicked);
    connect(m_widgets.Comboku, &QComboBox::activated, this, &RegionLookup::territoryPicked);
    connect(m_widgets.Comboku->lineEdit(), &QLineEdit::textEdited, this,
            &RegionLookup::territoryTyped);
    connect(m_widgets.Comboob, &QComboBox::activated, this, &RegionLookup::municipalityPicked);
    connect(m_widgets.Comboob->lineEdit(), &QLineEdit::textEdited, this,
            &RegionLookup::municipalityTyped);
}

void RegionLookup::loadOnShow()
{
    try {
        loadRegionLists(RegionBy::Text, LoadMode::Fresh);
    } catch (const CommandError&) {
        // Nothing is reported at start (there may be no region yet); the user
        // still starts in the territory field.
        m_widgets.Comboku->setFocus(Qt::OtherFocusReason);
    }
}

void RegionLookup::restoreForJob()
{
    try {
        loadRegionLists(RegionBy::Text, LoadMode::Restore);
    } catch (const CommandError&) {
        // Opening the job goes on; the job's texts are in the fields either way.
    }
}

void RegionLookup::regionPicked()
{
    runCommand(m_dialogs, [this] { loadRegionLists(RegionBy::Position, LoadMode::Fresh); });
}

void RegionLookup::loadRegionLists(RegionBy by, LoadMode mode)
{
    determineRegion(by);
    if (mode == LoadMode::Fresh) {
        ComboItems::clear(*m_widgets.ComboBox1);
        ComboItems::clear(*m_widgets.Comboku);
        ComboItems::clear(*m_widgets.Comboob);
    }
    // Each list is replaced as soon as its file is read, so a failure leaves
    // the lists before it loaded and the ones after it as they were.
    ComboItems::replace(*m_widgets.ComboBox1,
                        LineFile::readLines(listFile(QStringLiteral("cisla"))));
    ComboItems::replace(*m_widgets.Comboku, LineFile::readLines(listFile(QStringLiteral("ku"))));
    ComboItems::replace(*m_widgets.Comboob, LineFile::readLines(listFile(QStringLiteral("obce"))));
    m_widgets.Comboku->setFocus(Qt::OtherFocusReason);
}

void RegionLookup::determineRegion(RegionBy by)
{
    QComboBox& regions = *m_widgets.ComboBox4;
    const int position = by == RegionBy::Position ? regions.currentIndex()
                                                  : RegionTable::find(regions.currentText());
    if (position < 0)
        return; // no region named: the previous region's lists are loaded again
    m_regionFileName = RegionTable::fileName(position);

    // An older spelling found the region; from now on it is shown, stored and
    // printed as the table spells it.
    const QString name = RegionTable::regions().at(position).name;
    if (regions.currentText() != name) {
        const QSignalBlocker blocker(&regions);
        regions.setEditText(name);
    }
}

QString RegionLookup::listFile(const QString& folder) const
{
    // With no region file name yet this names the folder itself, which cannot
    // be read as a list.
    return m_folder.file(folder + u'/' + m_regionFileName);
}

void RegionLookup::territoryPicked()
{
    const int position = m_widgets.Comboku->currentIndex();
    ComboItems::selectOrDeselect(*m_widgets.Comboob, position);
    ComboItems::selectOrDeselect(*m_widgets.ComboBox1, position);
    fillCodeBoxes(position);
}

void RegionLookup::municipalityPicked()
{
    const int position = m_widgets.Comboob->currentIndex();
    ComboItems::selectOrDeselect(*m_widgets.Comboku, position);
    ComboItems::selectOrDeselect(*m_widgets.ComboBox1, position);
    fillCodeBoxes(position);
}

void RegionLookup::territoryTyped()
{
    // Typing leaves no territory selected, whatever the text now reads.
    ComboItems::deselectKeepingText(*m_widgets.Comboku);
    territoryPicked();
}

void RegionLookup::municipalityTyped()
{
    ComboItems::deselectKeepingText(*m_widgets.Comboob);
    municipalityPicked();
}

void RegionLookup::fillCodeBoxes(int position)
{
    const QComboBox& codes = *m_widgets.ComboBox1;
    // Only the first six characters are the territory code; a shorter code
    // empties the boxes it does not reach, no code empties all six.
    const QString code =
        position >= 0 && position < codes.count() ? codes.itemText(position) : QString();
    for (qsizetype k = 0; k < qsizetype(m_widgets.Editcku.size()); ++k)
        m_widgets.Editcku[k]->setText(k < code.size() ? QString(code.at(k)) : QString());
}
