#include "wizard/address_edit_validator.h"

#include "config/key_filters.h"

#include <QLineEdit>
#include <algorithm>

namespace vistrel {

namespace {

// Backspace passes the key rule as a key, never as a character of the text.
qsizetype refusedCharacters(const QString& text) {
    const QList<uint> characters = text.toUcs4();
    return std::ranges::count_if(characters, [](uint code) {
        const auto character = static_cast<char32_t>(code);
        return character == kBackspaceKey || !Edit_KeyPress(character).accepted;
    });
}

} // namespace

AddressEditValidator::AddressEditValidator(QLineEdit* edit)
    : QValidator(edit), acceptedText_(edit->text()) {
    edit->setValidator(this);
    connect(edit, &QLineEdit::textChanged, this,
            [this](const QString& text) { acceptedText_ = text; });
}

QValidator::State AddressEditValidator::validate(QString& input, int& /*position*/) const {
    return refusedCharacters(input) > refusedCharacters(acceptedText_) ? Invalid : Acceptable;
}

} // namespace vistrel
