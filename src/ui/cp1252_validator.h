// Accepts only texts whose every character has a Windows-1252 byte (and no control
// characters): the directory's texts are Windows-1252, so a character outside it
// could only be replaced, and a search for the replaced text would be wrong. The
// field refuses such a keystroke or paste and emits QLineEdit::inputRejected. Line
// breaks and tabs of a pasted text become blanks.
#pragma once

#include <QValidator>

namespace vendarion {

class Cp1252Validator final : public QValidator {
    Q_OBJECT

public:
    using QValidator::QValidator;

    State validate(QString& input, int& position) const override;
};

// Whether the text can be typed into a field: every character has a Windows-1252
// byte and none is a control character.
bool TypableInCp1252(const QString& text);

}  // namespace vendarion
