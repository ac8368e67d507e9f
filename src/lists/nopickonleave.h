#pragma once

#include <QObject>

class QComboBox;

// When an editable QComboBox loses the focus, Qt selects the item whose text
// matches the typed text and emits activated(), as if the user had picked it.
// For the region, territory and municipality fields leaving is not picking:
// a job's region text would reload and empty the lists, and a typed territory
// would fill the municipality and code. This filter delivers the focus-out with
// the combo's signals blocked and undoes such a selection. Enter and the
// drop-down list still pick.
class NoPickOnLeave : public QObject
{
    Q_OBJECT

public:
    // Watches combo, which must be editable, and becomes its child.
    explicit NoPickOnLeave(QComboBox* combo);

    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QComboBox* m_combo;
    bool m_delivering = false;
};
