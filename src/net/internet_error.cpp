#include "net/internet_error.h"

#include <cerrno>
#include <string_view>

#include "base/cp1252.h"

namespace vendarion {
namespace {

struct TableText {
    int code;
    std::string_view text;  // UTF-8
};

constexpr TableText kTable[] = {
    {0, "Anfrage erfolgreich."},
    {1, "Die Funktionen zur Suche übers Internet wurden nicht initialisiert."},
    {2, "Die IP Adresse des Servers konnte nicht bestimmt werden."},
    {3, "Der Verbindungsaufbau zum Server ist gescheitert."},
    {4, "Die Datenübermittlung zum Server ist gescheitert."},
    {5, "Der Datenempfang vom Server ist fehlgeschlagen."},
    {6, "Es wurde eine ungültige Anfrage gestellt."},
    {7, "Die Anfrage wurde vom Benutzer abgebrochen"},
    {8, "Das Format der emfangenen Daten stimmt nicht."},
    {10014, "Fehler in der Winsock.dll."},
    {10036, "Ein blockierender Winsock Funktionsaufruf ist noch nicht beendet."},
    {10061, "Die Verbindung wurde vom Internet Server zurückgewiesen."},
    {10067,
     "Die durch die Winsock Implementation unterstützte Anzahl von Applikationen ist erreicht."},
    {10091, "Die unteren Netzwerkschichten sind nicht funktionsfähig."},
    {10092, "Die vorliegende Winsock.dll unterstützt nicht die Spezifikation 1.1."},
};

struct SocketNumber {
    int errno_value;
    int code;
};

// The errno values of BSD sockets and their numbers in the Windows socket library.
constexpr SocketNumber kSocketNumbers[] = {
    {EINTR, 10004},           {EBADF, 10009},           {EACCES, 10013},
    {EFAULT, 10014},          {EINVAL, 10022},          {EMFILE, 10024},
    {ENFILE, 10024},          {EWOULDBLOCK, 10035},     {EINPROGRESS, 10036},
    {EALREADY, 10037},        {ENOTSOCK, 10038},        {EDESTADDRREQ, 10039},
    {EMSGSIZE, 10040},        {EPROTOTYPE, 10041},      {ENOPROTOOPT, 10042},
    {EPROTONOSUPPORT, 10043}, {ESOCKTNOSUPPORT, 10044}, {EOPNOTSUPP, 10045},
    {EPFNOSUPPORT, 10046},    {EAFNOSUPPORT, 10047},    {EADDRINUSE, 10048},
    {EADDRNOTAVAIL, 10049},   {ENETDOWN, 10050},        {ENETUNREACH, 10051},
    {ENETRESET, 10052},       {ECONNABORTED, 10053},    {ECONNRESET, 10054},
    {EPIPE, 10054},           {ENOBUFS, 10055},         {ENOMEM, 10055},
    {EISCONN, 10056},         {ENOTCONN, 10057},        {ESHUTDOWN, 10058},
    {ETOOMANYREFS, 10059},    {ETIMEDOUT, 10060},       {ECONNREFUSED, 10061},
    {ELOOP, 10062},           {ENAMETOOLONG, 10063},    {EHOSTDOWN, 10064},
    {EHOSTUNREACH, 10065},
};

}  // namespace

bool KeepsErrorText(int code) {
    return (code >= 100 && code <= 998) || (code >= 1000 && code <= 9998);
}

std::string InternetErrorText(int code) {
    for (const TableText& entry : kTable) {
        if (entry.code == code) return Utf8ToCp1252(entry.text);
    }
    if (code >= 10000 && code <= 11003) {
        return "Die WINSOCK.DLL meldet den Fehler " + std::to_string(code);
    }
    return Utf8ToCp1252("Für diesen Fehler liegt keine beschreibung vor. Fehlernummer ") +
           std::to_string(code);
}

std::string InternetErrorText(int code, const std::string& text) {
    if (KeepsErrorText(code) && !text.empty()) return text;
    return InternetErrorText(code);
}

int SocketErrorCode(int errno_value, SocketStep step) {
    for (const SocketNumber& number : kSocketNumbers) {
        if (number.errno_value == errno_value) return number.code;
    }
    switch (step) {
        case SocketStep::kConnect:
            return internet_error::kConnectFailed;
        case SocketStep::kSend:
            return internet_error::kSendFailed;
        case SocketStep::kReceive:
            break;
    }
    return internet_error::kReceiveFailed;
}

}  // namespace vendarion
