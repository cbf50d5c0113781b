#include "ui/start_page.h"

#include <QLocale>

namespace vendarion {
namespace {

QString Number(long long value) { return QLocale(QLocale::German).toString(value); }

}  // namespace

QString SearchStartPage(const DataSetFacts& facts) {
    return QStringLiteral(
               "<h3>Einträge im Telefonverzeichnis suchen</h3>"
               "<ol>"
               "<li>Unter <b>Ort</b> einen Ort, unter <b>Postleitzahl</b> oder <b>Vorwahl</b> "
               "eine Nummer eingeben und mit der Eingabetaste oder <b>Go!</b> öffnen.</li>"
               "<li>Im geöffneten Ort <b>Name</b>, <b>Vorname</b>, <b>Straße</b> oder "
               "<b>Branche</b> eingeben: die Liste folgt jedem Tastendruck. "
               "<b>Suche:</b> wählt, wie der Name verglichen wird.</li>"
               "<li>Um in mehreren Orten zugleich zu suchen, die Orte in der Ortsliste "
               "markieren und <b>Go!</b> wählen.</li>"
               "</ol>"
               "<p><b>Tasten</b></p>"
               "<table cellspacing=\"0\" cellpadding=\"3\">"
               "<tr><td><b>Strg+O</b>, <b>Strg+P</b>, <b>Strg+V</b></td>"
               "<td>Orte, Postleitzahlen, Vorwahlen</td></tr>"
               "<tr><td><b>Strg+N</b></td><td>Namen in Deutschland</td></tr>"
               "<tr><td><b>Strg+G</b>, Eingabetaste</td><td>Go!</td></tr>"
               "<tr><td><b>Esc</b></td><td>laufende Suche abbrechen</td></tr>"
               "<tr><td><b>Strg+I</b></td><td>Suchen über Internet</td></tr>"
               "</table>"
               "<p>Datenbestand %1.%2: %3 Einträge in %4 Ortsnetzen.</p>")
        .arg(facts.major_version)
        .arg(facts.minor_version)
        .arg(Number(facts.entries))
        .arg(Number(facts.books));
}

QString TownStartPage(const QString& town, long long entries, int towns) {
    const QString size = entries >= 0
                             ? QStringLiteral("%1 Einträge.").arg(Number(entries))
                             : QStringLiteral("Die Suche läuft in %1 markierten Orten.").arg(towns);
    const QString lists =
        entries >= 0
            ? QStringLiteral(
                  "<b>Namen</b> (Strg+Umschalt+N), <b>Straßen</b> (Strg+S) und "
                  "<b>Branchen</b> (Strg+B) des Ortes stehen im Baum darunter.")
            : QStringLiteral("Unter <b>Namen</b> stehen die gefundenen Einträge aller Orte.");
    return QStringLiteral("<h3>%1</h3><p>%2</p><p>%3</p>").arg(town.toHtmlEscaped(), size, lists);
}

}  // namespace vendarion
