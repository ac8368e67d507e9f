#pragma once

#include <QStringList>

class QComboBox;

// Item-list operations on the main window's combo boxes. The text of a combo
// belongs to the job and is separate from its list, so these keep or clear it
// explicitly instead of leaving it to QComboBox, which rewrites the text of an
// editable combo whenever its current item changes.
namespace ComboItems {

// Replaces every item and leaves no item selected; the text stays as it was.
void replace(QComboBox& combo, const QStringList& items);

// Adds item at the end; the selection and the text stay as they were.
void append(QComboBox& combo, const QString& item);

// Removes every item and the text.
void clear(QComboBox& combo);

// Leaves no item selected, keeping the text and the cursor where they are.
void deselectKeepingText(QComboBox& combo);

// Selects the item at position; when there is no such item, an item that was
// selected is deselected and the text cleared, and a combo with nothing
// selected is left as it is.
void selectOrDeselect(QComboBox& combo, int position);

} // namespace ComboItems
