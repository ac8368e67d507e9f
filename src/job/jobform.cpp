#include "jobform.h"

#include "tform1.h"
#include "ui_tform1.h"

#include <QSignalBlocker>

JobForm::JobForm(TForm1& form, std::function<void()> restoreRegionLists)
    : m_form(form), m_restoreRegionLists(std::move(restoreRegionLists))
{
}

QList<JobForm::Field> JobForm::fields() const
{
    using E = JobFile::Encoding;
    Ui::TForm1& ui = m_form.controls();
    // The order is the file's, not the window's: the record number's fifth box
    // sits among the other four, and the second line of the affected parcels
    // and the covers date come last, after the application fields.
    return {
        {E::Text, ui.Editcku1},
        {E::Text, ui.Editcku2},
        {E::Text, ui.Editcku3},
        {E::Text, ui.Editcku4},
        {E::Text, ui.Editcku5},
        {E::Text, ui.Editcku6},
        {E::Text, ui.Editcz1},
        {E::Text, ui.Editcz2},
        {E::Text, ui.Editcz3},
        {E::Text, ui.Editcz4},
        {E::Text, ui.Editcz5},
        {E::Text, ui.Editzdp},
        {E::Text, ui.Editcgp},
        {E::Text, ui.Combodz},
        {E::Text, ui.Editrok},
        {E::Text, ui.ComboKM},
        {E::Text, ui.Combozam},
        {E::Text, ui.Comboob},
        {E::Text, ui.Comboku},
        {E::Text, ui.Editkp},
        {E::Text, ui.Editobj},
        {E::Index, ui.ComboBox3},
        {E::YesNo, ui.CheckBox5},
        {E::YesNo, ui.CheckBox6},
        {E::YesNo, ui.CheckBox7},
        {E::Text, ui.ComboBox4},
        {E::Text, ui.Editovereni},
        {E::Text, ui.Editdatumovereni},
        {E::Text, ui.Editprijmeni},
        {E::Text, ui.Editjmeno},
        {E::Text, ui.Edittitulpred},
        {E::Text, ui.Edittitulza},
        {E::Text, ui.Editnarozeni},
        {E::Text, ui.Editulice},
        {E::Text, ui.Editcpce},
        {E::Text, ui.Editorient},
        {E::Text, ui.Editcastobce},
        {E::Text, ui.Editobec},
        {E::Text, ui.editpsc},
        {E::Text, ui.Editposta},
        {E::Text, ui.Editcislo},
        {E::Text, ui.Editkontakt},
        {E::Text, ui.Editprijmeni2},
        {E::Text, ui.Editjmeno2},
        {E::Text, ui.Edittitulpred2},
        {E::Text, ui.Edittitulza2},
        {E::Text, ui.Editnarozeni2},
        {E::Text, ui.Editulice2},
        {E::Text, ui.Editcpce2},
        {E::Text, ui.Editorient2},
        {E::Text, ui.Editcastobce2},
        {E::Text, ui.Editobec2},
        {E::Text, ui.editpsc2},
        {E::Text, ui.Editposta2},
        {E::Text, ui.Editdatum},
        {E::Text, ui.Editkolek},
        {E::Text, ui.Editpoplatek},
        {E::Text, ui.Editdatum2},
        {E::Text, ui.Editjmenoaprijmeni},
        {E::YesNo, ui.CheckBox8},
        {E::YesNo, ui.CheckBox9},
        {E::YesNo, ui.CheckBox10},
        {E::YesNo, ui.CheckBox11},
        {E::YesNo, ui.CheckBox19},
        {E::YesNo, ui.CheckBox20},
        {E::Text, ui.Editzdp2},
        {E::Date, ui.DateTimePicker1},
    };
}

JobFile::Lines JobForm::compose(const std::function<void()>& stepNotice) const
{
    JobFile::Lines lines;
    for (const Field& field : fields()) {
        switch (field.encoding) {
        case JobFile::Encoding::Text:
            if (auto* edit = qobject_cast<QLineEdit*>(field.control))
                lines.append(edit->text());
            else
                lines.append(static_cast<QComboBox*>(field.control)->currentText());
            break;
        case JobFile::Encoding::Index:
            lines.append(
                JobFile::formatIndex(static_cast<QComboBox*>(field.control)->currentIndex()));
            break;
        case JobFile::Encoding::YesNo:
            lines.append(static_cast<QCheckBox*>(field.control)->text());
            break;
        case JobFile::Encoding::Date:
            lines.append(JobFile::formatDate(static_cast<QDateEdit*>(field.control)->date()));
            break;
        }
        if (stepNotice)
            stepNotice();
    }
    return lines;
}

void JobForm::setText(QWidget* control, const QString& text)
{
    if (auto* edit = qobject_cast<QLineEdit*>(control)) {
        edit->setText(text);
        return;
    }
    auto* combo = static_cast<QComboBox*>(control);
    Ui::TForm1& ui = m_form.controls();
    // A restored territory, municipality or region is no pick of the user:
    // nothing may look up codes or reload lists now; the region lists follow
    // once every text is back.
    const bool quiet = combo == ui.Comboku || combo == ui.Comboob || combo == ui.ComboBox4;
    const QSignalBlocker blocker(quiet ? combo : nullptr);
    combo->setEditText(text);
}

JobForm::ApplyResult JobForm::apply(const JobFile::Lines& lines)
{
    const QList<Field> all = fields();
    for (int n = 1; n <= all.size(); ++n) {
        const Field& field = all.at(n - 1);
        const QString line = lines.line(n);
        switch (field.encoding) {
        case JobFile::Encoding::Text:
            setText(field.control, line);
            break;
        case JobFile::Encoding::Index: {
            const std::optional<int> index = JobFile::parseIndex(line);
            if (!index)
                return ApplyResult::CopiesNotANumber;
            static_cast<QComboBox*>(field.control)
                ->setCurrentIndex(JobFile::copiesSelection(*index));
            break;
        }
        case JobFile::Encoding::YesNo:
            // Only the caption: the ticks follow once every line is in.
            static_cast<QCheckBox*>(field.control)->setText(line);
            break;
        case JobFile::Encoding::Date: {
            const std::optional<QDate> date = JobFile::parseDate(line);
            if (!date)
                return ApplyResult::DateNotValid;
            static_cast<QDateEdit*>(field.control)->setDate(*date);
            break;
        }
        }
    }
    restoreRegionListsGuarded();
    restoreTicks();
    m_form.controls().PageControl1->setCurrentWidget(m_form.controls().TabSheet1);
    return ApplyResult::Applied;
}

void JobForm::restoreRegionListsGuarded()
{
    // A missing list file or a region never chosen must not stop the job
    // from opening: the lists simply stay as they are.
    try {
        if (m_restoreRegionLists)
            m_restoreRegionLists();
    } catch (const std::exception&) {
    }
}

void JobForm::restoreTicks()
{
    Ui::TForm1& ui = m_form.controls();
    // CheckBox7 comes after CheckBox5, so whenever CheckBox7 changes its
    // coupling has the last word on CheckBox5. Each caption is read at its
    // box's turn, after the rules of the boxes before it have run.
    for (QCheckBox* box : {ui.CheckBox5, ui.CheckBox6, ui.CheckBox7, ui.CheckBox8, ui.CheckBox9,
                           ui.CheckBox19, ui.CheckBox20, ui.CheckBox10, ui.CheckBox11})
        box->setChecked(JobFile::ticks(box->text()));
}
