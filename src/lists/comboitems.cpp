#include "comboitems.h"

#include <QComboBox>
#include <QLineEdit>
#include <QSignalBlocker>

namespace ComboItems {

void replace(QComboBox& combo, const QStringList& items)
{
    const QString text = combo.currentText();
    // Blocked so that nothing sees the half-filled list; QComboBox selects the
    // first item of a list filled from empty, which is undone below.
    const QSignalBlocker blocker(&combo);
    combo.clear();
    combo.addItems(items);
    combo.setCurrentIndex(-1);
    if (combo.isEditable())
        combo.setEditText(text);
}

void append(QComboBox& combo, const QString& item)
{
    const int current = combo.currentIndex();
    const QString text = combo.currentText();
    const QSignalBlocker blocker(&combo);
    combo.addItem(item); // selects it when the list was empty
    if (combo.currentIndex() != current)
        combo.setCurrentIndex(current);
    if (combo.isEditable() && combo.currentText() != text)
        combo.setEditText(text);
}

void clear(QComboBox& combo)
{
    const QSignalBlocker blocker(&combo);
    combo.clear();
    if (combo.isEditable())
        combo.setEditText(QString());
}

void deselectKeepingText(QComboBox& combo)
{
    if (combo.currentIndex() < 0)
        return;
    QLineEdit* edit = combo.lineEdit();
    const QString text = combo.currentText();
    const int cursor = edit ? edit->cursorPosition() : 0;
    const QSignalBlocker blocker(&combo);
    // setCurrentIndex(-1) empties the text of an editable combo; put it back.
    combo.setCurrentIndex(-1);
    if (edit) {
        combo.setEditText(text);
        edit->setCursorPosition(cursor);
    }
}

void selectOrDeselect(QComboBox& combo, int position)
{
    if (position >= 0 && position < combo.count()) {
        combo.setCurrentIndex(position);
        // Already current with other text in the box: the item's text still wins.
        if (combo.isEditable() && combo.currentText() != combo.itemText(position))
            combo.setEditText(combo.itemText(position));
        return;
    }
    if (combo.currentIndex() >= 0)
        combo.setCurrentIndex(-1); // clears the text of an editable combo as well
}

} // namespace ComboItems
