// What a user types or pastes into an input field, met halfway: full-width digits and signs from a
// Japanese input method become their ASCII forms as they are typed, and a pasted spreadsheet cell
// loses its line break and the blanks around it. Typed text is otherwise left as it is.
#pragma once

#include <QString>
#include <QValidator>

class QLineEdit;

// Maps full-width digits, full stop, comma, minus, plus and the ideographic space to ASCII; rejects
// nothing, and each character maps to one, so the caret stays where it was.
class TFullWidthValidator : public QValidator {
  public:
    using QValidator::QValidator;
    State validate(QString& input, int& pos) const override;
    void fixup(QString& input) const override;
};

// What a paste inserts: the first line that is not blank, without the blanks and tabs around it.
QString PastedFieldText(const QString& clipboardText);

// Gives the field its validator and makes every paste (Ctrl+V, Shift+Insert, the context menu's
// entry, the middle button) insert PastedFieldText of the clipboard.
void AddFieldInput(QLineEdit& field);
