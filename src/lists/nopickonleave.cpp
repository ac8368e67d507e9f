#include "nopickonleave.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QEvent>
#include <QLineEdit>
#include <QScopedValueRollback>
#include <QSignalBlocker>

NoPickOnLeave::NoPickOnLeave(QComboBox* combo) : QObject(combo), m_combo(combo)
{
    // The combo is the focus widget and passes the event on to its line edit;
    // the line edit is watched too in case it ever receives the event itself.
    m_combo->installEventFilter(this);
    if (m_combo->lineEdit())
        m_combo->lineEdit()->installEventFilter(this);
}

bool NoPickOnLeave::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::FocusOut || m_delivering)
        return false;

    const int index = m_combo->currentIndex();
    const QString text = m_combo->currentText();
    const QScopedValueRollback delivering(m_delivering, true);
    const QSignalBlocker blocker(m_combo);
    QCoreApplication::sendEvent(watched, event);
    if (m_combo->currentIndex() != index) {
        m_combo->setCurrentIndex(index);
        m_combo->setEditText(text);
    }
    return true;
}
