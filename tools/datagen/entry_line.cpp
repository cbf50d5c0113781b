#include "entry_line.h"

namespace vendarion::datagen {
namespace {

void AppendIndex(int index, std::string* out) {
    if (index >= 0) out->append(std::to_string(index));
    out->push_back('\t');
}

void AppendText(const std::string& text, std::string* out) {
    out->append(text);
    out->push_back('\t');
}

}  // namespace

void AppendEntryLine(const EntryLine& line, std::string* out) {
    AppendIndex(line.book, out);
    AppendIndex(line.level, out);
    AppendText(line.surname, out);
    AppendText(line.first_name, out);
    for (const std::string& addition : line.additions) AppendText(addition, out);
    AppendText(line.heading, out);
    AppendText(line.street, out);
    AppendText(line.house_number, out);
    AppendIndex(line.place, out);
    AppendIndex(line.postal, out);
    AppendIndex(line.area, out);
    AppendText(line.call_addition, out);
    if (line.phone != 0) out->append(std::to_string(line.phone));
    out->push_back('\t');
    out->append(std::to_string(line.extension_digits));
    out->append("\t0\n");
}

}  // namespace vendarion::datagen
