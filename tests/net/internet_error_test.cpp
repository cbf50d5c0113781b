#include "net/internet_error.h"

#include <gtest/gtest.h>

#include <cerrno>

#include "base/cp1252.h"

namespace vendarion {
namespace {

std::string Text(int code) { return Cp1252ToUtf8(InternetErrorText(code)); }

TEST(InternetErrorText, TheTableOfTheClientAndTheSocketLibrary) {
    EXPECT_EQ(Text(0), "Anfrage erfolgreich.");
    EXPECT_EQ(Text(1), "Die Funktionen zur Suche übers Internet wurden nicht initialisiert.");
    EXPECT_EQ(Text(2), "Die IP Adresse des Servers konnte nicht bestimmt werden.");
    EXPECT_EQ(Text(3), "Der Verbindungsaufbau zum Server ist gescheitert.");
    EXPECT_EQ(Text(4), "Die Datenübermittlung zum Server ist gescheitert.");
    EXPECT_EQ(Text(5), "Der Datenempfang vom Server ist fehlgeschlagen.");
    EXPECT_EQ(Text(6), "Es wurde eine ungültige Anfrage gestellt.");
    EXPECT_EQ(Text(7), "Die Anfrage wurde vom Benutzer abgebrochen");
    EXPECT_EQ(Text(8), "Das Format der emfangenen Daten stimmt nicht.");
    EXPECT_EQ(Text(10014), "Fehler in der Winsock.dll.");
    EXPECT_EQ(Text(10036), "Ein blockierender Winsock Funktionsaufruf ist noch nicht beendet.");
    EXPECT_EQ(Text(10061), "Die Verbindung wurde vom Internet Server zurückgewiesen.");
    EXPECT_EQ(Text(10067),
              "Die durch die Winsock Implementation unterstützte Anzahl von Applikationen ist "
              "erreicht.");
    EXPECT_EQ(Text(10091), "Die unteren Netzwerkschichten sind nicht funktionsfähig.");
    EXPECT_EQ(Text(10092), "Die vorliegende Winsock.dll unterstützt nicht die Spezifikation 1.1.");
}

TEST(InternetErrorText, OtherCodesGetTheSocketOrTheGenericText) {
    EXPECT_EQ(Text(10000), "Die WINSOCK.DLL meldet den Fehler 10000");
    EXPECT_EQ(Text(10054), "Die WINSOCK.DLL meldet den Fehler 10054");
    EXPECT_EQ(Text(11003), "Die WINSOCK.DLL meldet den Fehler 11003");
    const std::string generic = "Für diesen Fehler liegt keine beschreibung vor. Fehlernummer ";
    for (const int code : {9, 13, 99, 999, 9999, 11004, -1}) {
        EXPECT_EQ(Text(code), generic + std::to_string(code));
    }
}

TEST(InternetErrorText, StatusNumbersAndServerCodesKeepTheirText) {
    for (const int code : {100, 404, 998, 1000, 5000, 9998}) {
        EXPECT_TRUE(KeepsErrorText(code)) << code;
        EXPECT_EQ(InternetErrorText(code, "server text"), "server text");
    }
    for (const int code : {0, 13, 99, 999, 9999, 10061}) {
        EXPECT_FALSE(KeepsErrorText(code)) << code;
        EXPECT_EQ(InternetErrorText(code, "server text"), InternetErrorText(code));
    }
    // A code that keeps its text but came without one gets the generic text.
    EXPECT_EQ(Text(1500), "Für diesen Fehler liegt keine beschreibung vor. Fehlernummer 1500");
    EXPECT_EQ(InternetErrorText(1500, ""), InternetErrorText(1500));
}

TEST(SocketErrorCode, ErrnoValuesTakeTheSocketLibraryNumbers) {
    EXPECT_EQ(SocketErrorCode(ECONNREFUSED, SocketStep::kConnect), 10061);
    EXPECT_EQ(SocketErrorCode(ECONNRESET, SocketStep::kReceive), 10054);
    EXPECT_EQ(SocketErrorCode(EPIPE, SocketStep::kSend), 10054);
    EXPECT_EQ(SocketErrorCode(ETIMEDOUT, SocketStep::kConnect), 10060);
    EXPECT_EQ(SocketErrorCode(EHOSTUNREACH, SocketStep::kConnect), 10065);
    EXPECT_EQ(SocketErrorCode(ENETUNREACH, SocketStep::kConnect), 10051);
    EXPECT_EQ(SocketErrorCode(EFAULT, SocketStep::kSend), 10014);
    EXPECT_EQ(SocketErrorCode(EINPROGRESS, SocketStep::kConnect), 10036);
    // Without a number of its own the step decides.
    EXPECT_EQ(SocketErrorCode(EIO, SocketStep::kConnect), 3);
    EXPECT_EQ(SocketErrorCode(EIO, SocketStep::kSend), 4);
    EXPECT_EQ(SocketErrorCode(EIO, SocketStep::kReceive), 5);
}

}  // namespace
}  // namespace vendarion
