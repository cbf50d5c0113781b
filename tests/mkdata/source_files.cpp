#include "source_files.h"

#include "support/temp_dir.h"

namespace vendarion::test {

SourceFiles::SourceFiles() {
    files["books.tsv"] =
        "# two books\n"
        "book\t0\tBerlin\t10115\narea\t030\npostal\t10115\npostal\t10117\n"
        "place\tBerlin\nplace\tBerlin-Mitte-Tiergarten-Moabit\n"
        "book\t1\tAachen\t52062\narea\t0241\npostal\t52062\nplace\tAachen\n";
    files["towns.tsv"] = "Berlin\t10115\t0\nAachen\t52062\t1\n\xC3\x84rzteort\t12345\t1\n";
    files["postalcodes.tsv"] = "52062\tAachen\t1\n10115\tBerlin\t0\n";
    files["areacodes.tsv"] = "030\tBerlin\t0\n0241\tAachen\t1\n";
    files["subscribers.tsv"] =
        "0\t0\tM\xC3\xBCller\tHans\tDr.\t\t\t\t\t\tHauptstr.\t12\t0\t1\t0\t\t301234\t2\t0\n"
        "0\t1\tM\xC3\xBCller\tHans\t\t\t\t\t\tPraxis\t\t\t\t\t\tmobil\t301235\t0\t1\n"
        "1\t0\tAbel\tAnna\t\t\t\t\t\t\tMarkt\t1\t0\t0\t0\t\t12345\t0\t0\n"
        "0\t0\tAbel\t\t\t\t\t\t\t\tHauptstr.\t\t\t\t\t\t\t0\t0\n";
    files["countries.tsv"] = "0043\tA\t\xC3\x96sterreich\n";
    files["banks.tsv"] = "10020000\tBerliner Bank\t10115\tBerlin\n";
    files["tips.txt"] = "Tip one\n\nTip three\n";
}

void SourceFiles::WriteTo(const std::string& dir) const {
    for (const auto& [name, text] : files) WriteFile(dir + "/" + name, text);
}

}  // namespace vendarion::test
