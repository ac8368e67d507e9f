#include "focuschain.h"

#include <QKeyEvent>
#include <QLineEdit>

void FocusChain::add(QWidget* from, Trigger trigger, QWidget* to, std::function<void()> action)
{
    m_links.insert(from, {trigger, to, std::move(action)});
    from->installEventFilter(this);
}

bool FocusChain::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::KeyPress)
        return false;
    const auto it = m_links.constFind(watched);
    if (it == m_links.constEnd())
        return false;
    const auto* key = static_cast<QKeyEvent*>(event);
    const bool enter = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
    const bool typed = !key->text().isEmpty() && key->key() != Qt::Key_Tab &&
                       key->key() != Qt::Key_Backtab && key->key() != Qt::Key_Escape;
    if (it->trigger == Trigger::Enter ? !enter : !typed)
        return false;
    if (it->action)
        it->action();
    // The event is still delivered to the field it was typed into.
    it->to->setFocus(Qt::OtherFocusReason);
    return false;
}
