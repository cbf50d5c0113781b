// The pages shown in place of a list on the nodes that have none: the search node
// (what to type where, the main keys, the data set) and the current town's node
// (its entries and the lists below it). Rich text in German.
#pragma once

#include <QString>

namespace vendarion {

struct DataSetFacts {
    int major_version = 0;
    int minor_version = 0;
    long long entries = 0;
    int books = 0;
};

QString SearchStartPage(const DataSetFacts& facts);
// entries < 0: a combination of towns (several books).
QString TownStartPage(const QString& town, long long entries, int towns);

}  // namespace vendarion
