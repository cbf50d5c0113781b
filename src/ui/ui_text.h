// Texts at the edge of the user interface: the program's texts are Windows-1252
// bytes, Qt's are QString. Every text enters and leaves the widgets through here.
#pragma once

#include <QString>
#include <string>
#include <string_view>

namespace vendarion {

QString ToQString(std::string_view cp1252);
// Characters without a Windows-1252 byte become '?'.
std::string FromQString(const QString& text);
// The same; false when a character was replaced.
bool FromQString(const QString& text, std::string* cp1252);
// The string table's text of id.
QString UiString(int id);

}  // namespace vendarion
