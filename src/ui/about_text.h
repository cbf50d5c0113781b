// The text of the about box: the program's name and version, the data set's version
// and size, and where the data comes from under which licence (the OpenStreetMap
// notice of the town, postal-code and area-code part among them). Rich text in German.
#pragma once

#include <QString>

namespace vendarion {

struct AboutFacts {
    QString program_version;  // "0.1"
    int data_major_version = 0;
    int data_minor_version = 0;
    long long entries = 0;
};

QString AboutText(const AboutFacts& facts);

}  // namespace vendarion
