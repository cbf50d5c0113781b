#include "ui/cp1252_validator.h"

#include <string>

#include "ui/ui_text.h"

namespace vendarion {

bool TypableInCp1252(const QString& text) {
    for (const QChar c : text) {
        if (c.category() == QChar::Other_Control) return false;
    }
    std::string converted;
    return FromQString(text, &converted);
}

QValidator::State Cp1252Validator::validate(QString& input, int& position) const {
    (void)position;
    for (QChar& c : input) {
        if (c == QLatin1Char('\n') || c == QLatin1Char('\r') || c == QLatin1Char('\t')) {
            c = QLatin1Char(' ');
        }
    }
    return TypableInCp1252(input) ? Acceptable : Invalid;
}

}  // namespace vendarion
