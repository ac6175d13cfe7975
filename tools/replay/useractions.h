// What a user does to the window, replayed without a mouse or keyboard: for the snapshot tool and
// the window's tests.
#pragma once

#include <QString>

class QComboBox;
class QLineEdit;
class QWidget;

// Makes the widget's window the active one, so that input focus can be given inside it.
void ActivateWindowOf(QWidget& widget);

// Focuses the field, selects all its text and types `text` one keystroke at a time; an empty text
// deletes the selection. Each keystroke that changes the text raises one change notification.
void TypeAsUser(QLineEdit& field, const QString& text);

// Puts `text` on the clipboard, focuses the field and presses Ctrl+A, then Ctrl+V.
void PasteAsUser(QLineEdit& field, const QString& text);

// A pick in the drop-down list: focuses the list, selects `index` and raises the pick notification. False
// (and nothing happens) when `index` is not a position of the list.
bool PickAsUser(QComboBox& box, int index);
