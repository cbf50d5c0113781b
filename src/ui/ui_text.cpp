#include "ui/ui_text.h"

#include "base/cp1252.h"
#include "resources/string_table.h"

namespace vendarion {

QString ToQString(std::string_view cp1252) {
    const std::string utf8 = Cp1252ToUtf8(cp1252);
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

bool FromQString(const QString& text, std::string* cp1252) {
    const QByteArray utf8 = text.toUtf8();
    return Utf8ToCp1252(std::string_view(utf8.constData(), static_cast<std::size_t>(utf8.size())),
                        cp1252);
}

std::string FromQString(const QString& text) {
    std::string cp1252;
    (void)FromQString(text, &cp1252);
    return cp1252;
}

QString UiString(int id) { return ToQString(LoadString(id)); }

}  // namespace vendarion
