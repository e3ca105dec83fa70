#pragma once
// Edit_KeyPress for the twelve address edits of pages 2, 9 and 12: digits, "." and Backspace.
// As a validator it also keeps pasted text and input-method text to the same characters.

#include <QValidator>

class QLineEdit;

namespace vistrel {

class AddressEditValidator : public QValidator {
    Q_OBJECT

public:
    // The validator of `edit`, owned by it.
    explicit AddressEditValidator(QLineEdit* edit);

    // Refuses a change that adds a character the key rule refuses. Characters the edit already
    // held when code filled it stay editable.
    State validate(QString& input, int& position) const override;

private:
    // The edit's text before the change being validated: the edit already holds the new one.
    QString acceptedText_;
};

} // namespace vistrel
