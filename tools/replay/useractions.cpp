#include "tools/replay/useractions.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>

namespace {

void PressKey(QWidget& target, int key, const QString& text,
              Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QKeyEvent press(QEvent::KeyPress, key, modifiers, text);
    QApplication::sendEvent(&target, &press);
    QKeyEvent release(QEvent::KeyRelease, key, modifiers, text);
    QApplication::sendEvent(&target, &release);
}

// Qt's key codes for printable ASCII are the upper-case character codes.
int KeyOf(QChar ch) {
    return ch.unicode() < 0x80 ? int{ch.toUpper().unicode()} : int{Qt::Key_unknown};
}

}  // namespace

void ActivateWindowOf(QWidget& widget) {
    QWidget* window = widget.window();
    if (!window->isVisible()) window->show();
    if (QApplication::activeWindow() != window) QApplication::setActiveWindow(window);
}

void TypeAsUser(QLineEdit& field, const QString& text) {
    ActivateWindowOf(field);
    field.setFocus(Qt::OtherFocusReason);
    field.selectAll();
    if (text.isEmpty()) PressKey(field, Qt::Key_Backspace, QString());
    // One keystroke per character: one beyond the Basic Multilingual Plane is a surrogate pair.
    for (qsizetype i = 0; i < text.size();) {
        const qsizetype units =
            text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate() ? 2 : 1;
        PressKey(field, KeyOf(text[i]), text.mid(i, units));
        i += units;
    }
}

void PasteAsUser(QLineEdit& field, const QString& text) {
    QGuiApplication::clipboard()->setText(text);
    ActivateWindowOf(field);
    field.setFocus(Qt::OtherFocusReason);
    PressKey(field, Qt::Key_A, QString(), Qt::ControlModifier);
    PressKey(field, Qt::Key_V, QString(), Qt::ControlModifier);
}

bool PickAsUser(QComboBox& box, int index) {
    if (index < 0 || index >= box.count()) return false;
    // Clicking or keying into the list takes the input focus from the field edited before.
    ActivateWindowOf(box);
    box.setFocus(Qt::MouseFocusReason);
    box.setCurrentIndex(index);
    emit box.activated(index);
    return true;
}
