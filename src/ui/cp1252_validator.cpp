#include "ui/cp1252_validator.h"

#include <string>

#include "base/cp1252.h"

namespace vendarion {

bool TypableInCp1252(const QString& text) {
    for (const QChar c : text) {
        if (c.category() == QChar::Other_Control) return false;
    }
    const QByteArray utf8 = text.toUtf8();
    std::string converted;
    return Utf8ToCp1252(std::string_view(utf8.constData(), static_cast<std::size_t>(utf8.size())),
                        &converted);
}

QValidator::State Cp1252Validator::validate(QString& input, int& position) const {
    (void)position;
    return TypableInCp1252(input) ? Acceptable : Invalid;
}

}  // namespace vendarion
