#pragma once

#include "jobfile.h"

#include <QList>
#include <functional>

class QWidget;
class TForm1;

// Takes a job out of the main window's fields and puts one back, line by
// line in the order of the job file. The job has no model of its own: it is
// the values of these controls.
class JobForm
{
public:
    enum class ApplyResult
    {
        Applied,
        CopiesNotANumber, // line 22: the apply stopped there
        DateNotValid      // line 67: the apply stopped there
    };

    // restoreRegionLists reloads the region lists for the region now named in
    // ComboBox4 without clearing the restored territory and municipality
    // texts; it runs guarded, so its failure is no failure of the apply.
    JobForm(TForm1& form, std::function<void()> restoreRegionLists);

    // The 67 lines of the job; stepNotice runs after each line.
    JobFile::Lines compose(const std::function<void()>& stepNotice = {}) const;

    // Sets the fields from the lines. A value that cannot be parsed stops the
    // apply at once: the fields set before it keep their new values, and the
    // region lists, the ticks and the tab switch do not happen.
    ApplyResult apply(const JobFile::Lines& lines);

private:
    struct Field
    {
        JobFile::Encoding encoding;
        QWidget* control;
    };
    // One entry per line of the job file, in file order.
    QList<Field> fields() const;
    void setText(QWidget* control, const QString& text);
    void restoreRegionListsGuarded();
    void restoreTicks();

    TForm1& m_form;
    std::function<void()> m_restoreRegionLists;
};
