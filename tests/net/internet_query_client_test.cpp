// The client against scripted servers on loopback: the request on the wire, every
// way a query can fail, and cancellation from another thread.
#include "net/internet_query_client.h"

#include <arpa/inet.h>
#include <gtest/gtest.h>
#include <sys/eventfd.h>
#include <sys/socket.h>
#include <unistd.h>

#include <chrono>
#include <future>
#include <thread>

#include "base/cp1252.h"
#include "net/internet_error.h"
#include "net/reply_writer.h"
#include "net/socket_channel.h"
#include "reply_bytes.h"
#include "scripted_server.h"

namespace vendarion {
namespace {

using test::HttpReply;
using test::ScriptedServer;
using Clock = std::chrono::steady_clock;

// Answers every request with the same bytes.
ScriptedServer::Script Answer(std::string bytes) {
    return [bytes](ScriptedServer&, ScriptedServer::Connection& connection) {
        ScriptedServer::Send(connection, bytes);
    };
}

InternetRequest Meier() {
    InternetRequest request;
    request.name = "Meier";
    request.records_per_page = 50;
    return request;
}

SubscriberEntry Named(std::string name) {
    SubscriberEntry entry;
    entry[EntryField::kName] = std::move(name);
    return entry;
}

struct Result {
    int code = -1;
    std::string text;  // the last error text, UTF-8
    InternetReply reply;
};

Result QueryOnce(InternetQueryClient& client, const InternetRequest& request = Meier()) {
    Result result;
    result.code = client.Query(request, &result.reply);
    std::string text;
    EXPECT_EQ(client.LastError(&text), result.code);
    result.text = Cp1252ToUtf8(text);
    return result;
}

Result QueryServer(ScriptedServer& server, const InternetRequest& request = Meier()) {
    InternetQueryClient client;
    EXPECT_EQ(client.Initialise("127.0.0.1", "/cgi-bin/QueryCgi", server.Port()), 0);
    return QueryOnce(client, request);
}

TEST(InternetQueryClient, SendsTheRequestAndReceivesTheRecords) {
    ScriptedServer server(
        Answer(HttpReply(RecordsReplyBody(2, std::vector{Named("Meier"), Named("Meyer")}))));
    InternetRequest request = Meier();
    request.version = 0;  // every query sends version 1
    request.town = Utf8ToCp1252("Köln");
    const Result result = QueryServer(server, request);
    ASSERT_EQ(result.code, 0);
    EXPECT_EQ(result.text, "Anfrage erfolgreich.");
    EXPECT_EQ(result.reply.header.Total(), 2);
    ASSERT_EQ(result.reply.entries.size(), 2u);
    EXPECT_EQ(result.reply.entries[1].entry[EntryField::kName], "Meyer");
    ASSERT_EQ(server.Requests().size(), 1u);
    EXPECT_EQ(server.Requests()[0], RequestBytes("/cgi-bin/QueryCgi", "l=Meier&c=K%F6ln&n=50&v=1"));
}

TEST(InternetQueryClient, PagesOfA120HitSearch) {
    ScriptedServer server([](ScriptedServer&, ScriptedServer::Connection& connection) {
        const int page = connection.request.find("&p=2&") != std::string::npos   ? 2
                         : connection.request.find("&p=1&") != std::string::npos ? 1
                                                                                 : 0;
        std::vector<SubscriberEntry> entries(page == 2 ? 20 : 50, Named("Meier"));
        ScriptedServer::Send(connection, HttpReply(RecordsReplyBody(120, entries)));
    });
    InternetQueryClient client;
    ASSERT_EQ(client.Initialise("127.0.0.1", "/q", server.Port()), 0);
    InternetRequest request = Meier();
    std::size_t received = 0;
    for (request.page = 0; request.page < 3; ++request.page) {
        const Result result = QueryOnce(client, request);
        ASSERT_EQ(result.code, 0);
        EXPECT_EQ(result.reply.header.Total(), 120);
        received += result.reply.entries.size();
    }
    EXPECT_EQ(received, 120u);
    const std::vector<std::string> requests = server.Requests();
    ASSERT_EQ(requests.size(), 3u);
    EXPECT_TRUE(requests[0].ends_with("\n\nl=Meier&n=50&v=1"));
    EXPECT_TRUE(requests[1].ends_with("\n\nl=Meier&n=50&p=1&v=1"));
    EXPECT_TRUE(requests[2].ends_with("\n\nl=Meier&n=50&p=2&v=1"));
}

TEST(InternetQueryClient, InitialiseFindsTheAddress) {
    std::vector<std::string> looked_up;
    InternetQueryClient client([&](const std::string& host, in_addr* address) {
        looked_up.push_back(host);
        if (host != "directory.example") return false;
        return inet_aton("127.0.0.1", address) != 0;
    });
    EXPECT_EQ(client.Initialise("127.0.0.1", "/q", 80), 0);
    EXPECT_EQ(client.Initialise("10.1.2.3", "/q", 80), 0);
    EXPECT_TRUE(looked_up.empty());  // four numbers are used without a look-up
    EXPECT_EQ(client.Initialise("999.1.2.3", "/q", 80), 2);
    EXPECT_TRUE(looked_up.empty());
    EXPECT_EQ(client.Initialise("127.0.1", "/q", 80), 2);  // two dots: a name
    EXPECT_EQ(client.Initialise("1.2.3.4.5", "/q", 80), 2);
    EXPECT_EQ(client.Initialise("", "/q", 80), 2);
    EXPECT_EQ(client.Initialise("directory.example", "/q", 80), 0);
    EXPECT_EQ(looked_up,
              (std::vector<std::string>{"127.0.1", "1.2.3.4.5", "", "directory.example"}));
    std::string text;
    EXPECT_EQ(client.Initialise("127.0.0.1", "/q", 0), 3);
    EXPECT_EQ(client.Initialise("127.0.0.1", "/q", 65536), 3);
    EXPECT_EQ(client.LastError(&text), 3);
    EXPECT_EQ(Cp1252ToUtf8(text), "Der Verbindungsaufbau zum Server ist gescheitert.");
}

TEST(InternetQueryClient, FailsBeforeInitialisation) {
    InternetQueryClient client;
    const Result result = QueryOnce(client);
    EXPECT_EQ(result.code, 1);
    EXPECT_EQ(result.text, "Die Funktionen zur Suche übers Internet wurden nicht initialisiert.");
    InternetQueryClient unresolved([](const std::string&, in_addr*) { return false; });
    EXPECT_EQ(unresolved.Initialise("nowhere", "/q", 80), 2);
    EXPECT_EQ(QueryOnce(unresolved).code, 1);
    // A failed initialisation does not leave an earlier server in use.
    ASSERT_EQ(unresolved.Initialise("127.0.0.1", "/q", 80), 0);
    EXPECT_TRUE(unresolved.Initialised());
    EXPECT_EQ(unresolved.Initialise("nowhere", "/q", 80), 2);
    EXPECT_FALSE(unresolved.Initialised());
    EXPECT_EQ(QueryOnce(unresolved).code, 1);
}

TEST(InternetQueryClient, ARefusedConnectionIsSocketError10061) {
    InternetQueryClient client;
    ASSERT_EQ(client.Initialise("127.0.0.1", "/q", test::UnusedPort()), 0);
    const Result result = QueryOnce(client);
    EXPECT_EQ(result.code, 10061);
    EXPECT_EQ(result.text, "Die Verbindung wurde vom Internet Server zurückgewiesen.");
}

TEST(InternetQueryClient, ServerFailuresGiveTheirCodesAndTexts) {
    const SubscriberEntry one = Named("x");
    const std::string whole = HttpReply(RecordsReplyBody(1, std::span(&one, 1)));
    const struct {
        std::string reply;
        int code;
        std::string text;
    } cases[] = {
        {"", 5, "Der Datenempfang vom Server ist fehlgeschlagen."},
        {whole.substr(0, whole.size() - 1), 5, "Der Datenempfang vom Server ist fehlgeschlagen."},
        {"HTTP/1.0 404 Not Found\r\n\r\n", 404, "404 Not Found"},
        {"HTTP/1.0 200 OK\r\nContent-Type: text/html\r\nContent-Length: 40\r\n\r\n", 8,
         "Das Format der emfangenen Daten stimmt nicht."},
        {HttpReply(ErrorReplyBody(1002, Utf8ToCp1252("Nicht genug Eingaben für die Suche"))), 1002,
         "Nicht genug Eingaben für die Suche"},
        {HttpReply(ErrorReplyBody(13, "x")), 13,
         "Für diesen Fehler liegt keine beschreibung vor. Fehlernummer 13"},
    };
    for (const auto& c : cases) {
        ScriptedServer server(Answer(c.reply));
        const Result result = QueryServer(server);
        EXPECT_EQ(result.code, c.code) << c.reply;
        EXPECT_EQ(result.text, c.text);
        EXPECT_TRUE(result.reply.entries.empty());
    }
}

TEST(InternetQueryClient, AResetConnectionIsSocketError10054) {
    ScriptedServer server([](ScriptedServer&, ScriptedServer::Connection& connection) {
        ScriptedServer::Send(connection, "HTTP/1.0 200 OK\r\n");
        const linger abort_on_close{1, 0};
        setsockopt(connection.fd, SOL_SOCKET, SO_LINGER, &abort_on_close, sizeof abort_on_close);
    });
    const Result result = QueryServer(server);
    EXPECT_EQ(result.code, 10054);
    EXPECT_EQ(result.text, "Die WINSOCK.DLL meldet den Fehler 10054");
}

TEST(InternetQueryClient, ASilentServerEndsTheQueryWithTheTimeOut) {
    ScriptedServer server([](ScriptedServer& self, ScriptedServer::Connection& connection) {
        ScriptedServer::Send(connection, "HTTP/1.0 200 OK\r\n");
        self.Stall(connection);
    });
    InternetQueryClient client;
    ASSERT_EQ(client.Initialise("127.0.0.1", "/q", server.Port()), 0);
    client.SetTimeout(1);
    const Clock::time_point start = Clock::now();
    const Result result = QueryOnce(client);
    EXPECT_EQ(result.code, 10060);
    EXPECT_EQ(result.text, "Die WINSOCK.DLL meldet den Fehler 10060");
    EXPECT_GE(Clock::now() - start, std::chrono::milliseconds(900));
    EXPECT_LT(Clock::now() - start, std::chrono::seconds(5));
}

TEST(SocketChannel, ATricklingServerIsEndedByTheTotalBound) {
    ScriptedServer server(
        [](ScriptedServer&, ScriptedServer::Connection& connection) {
            for (int i = 0; i < 40; ++i) {
                if (send(connection.fd, "x", 1, MSG_NOSIGNAL) != 1) return;
                std::this_thread::sleep_for(std::chrono::milliseconds(50));
            }
        },
        false);
    const int wake = eventfd(0, EFD_NONBLOCK | EFD_CLOEXEC);
    ASSERT_GE(wake, 0);
    const std::atomic<bool> cancelled{false};
    SocketChannel channel(wake, cancelled, {300, 600});
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_port = htons(static_cast<std::uint16_t>(server.Port()));
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    ASSERT_EQ(channel.Connect(address), 0);
    const Clock::time_point start = Clock::now();
    Received received;
    std::uint8_t byte = 0;
    int bytes = 0;
    while ((received = channel.Receive(&byte, 1)).count == 1) ++bytes;
    EXPECT_EQ(received.error, 10060);
    EXPECT_GT(bytes, 3) << "each byte is progress";
    EXPECT_LT(Clock::now() - start, std::chrono::milliseconds(1500));
    channel.Close();
    close(wake);
}

// Runs a query on another thread, cancels it once the server has reached its mark
// and the client has had a moment to block, and returns the code and how long the
// query went on after the cancellation.
std::pair<int, Clock::duration> CancelWhileBlocked(int port, ScriptedServer* server,
                                                   const InternetRequest& request = Meier()) {
    InternetQueryClient client;
    EXPECT_EQ(client.Initialise("127.0.0.1", "/q", port), 0);
    client.BeginSearch();
    InternetReply reply;
    auto running = std::async(std::launch::async, [&] { return client.Query(request, &reply); });
    if (server != nullptr) {
        EXPECT_TRUE(server->WaitForMarks(1));
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
    const Clock::time_point cancelled = Clock::now();
    client.Cancel();
    const int code = running.get();
    std::string text;
    EXPECT_EQ(client.LastError(&text), 7);
    EXPECT_EQ(Cp1252ToUtf8(text), "Die Anfrage wurde vom Benutzer abgebrochen");
    EXPECT_TRUE(reply.entries.empty());
    return {code, Clock::now() - cancelled};
}

TEST(InternetQueryClientCancel, EndsAQueryWaitingForTheReply) {
    ScriptedServer server([](ScriptedServer& self, ScriptedServer::Connection& connection) {
        ScriptedServer::Send(connection, "HTTP/1.0 200 OK\r\nContent-Type: application/vendarion");
        self.Mark();
        self.Stall(connection);
    });
    const auto [code, after] = CancelWhileBlocked(server.Port(), &server);
    EXPECT_EQ(code, 7);
    EXPECT_LT(after, std::chrono::seconds(1));
}

TEST(InternetQueryClientCancel, EndsAQueryInTheMiddleOfTheData) {
    ScriptedServer server([](ScriptedServer& self, ScriptedServer::Connection& connection) {
        const std::string reply =
            HttpReply(RecordsReplyBody(100, std::vector<SubscriberEntry>(100, Named("Meier"))));
        ScriptedServer::Send(connection, reply.substr(0, reply.size() / 2));
        self.Mark();
        self.Stall(connection);
    });
    const auto [code, after] = CancelWhileBlocked(server.Port(), &server);
    EXPECT_EQ(code, 7);
    EXPECT_LT(after, std::chrono::seconds(1));
}

TEST(InternetQueryClientCancel, EndsAQueryBlockedSendingItsRequest) {
    // The server never reads, so a request far larger than the socket buffers blocks.
    ScriptedServer server(
        [](ScriptedServer& self, ScriptedServer::Connection& connection) {
            self.Mark();
            self.Stall(connection);
        },
        false);
    InternetRequest huge = Meier();
    huge.name.assign(8 << 20, 'a');
    const auto [code, after] = CancelWhileBlocked(server.Port(), &server, huge);
    EXPECT_EQ(code, 7);
    EXPECT_LT(after, std::chrono::seconds(1));
}

TEST(InternetQueryClientCancel, EndsAQueryStillConnecting) {
    // A listening socket whose queue is full and that never accepts: further
    // connection attempts wait for an answer that does not come.
    int port = 0;
    const int listener = socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t length = sizeof address;
    ASSERT_EQ(bind(listener, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
    ASSERT_EQ(getsockname(listener, reinterpret_cast<sockaddr*>(&address), &length), 0);
    port = ntohs(address.sin_port);
    ASSERT_EQ(listen(listener, 0), 0);
    std::vector<int> fillers;
    for (int i = 0; i < 3; ++i) {
        fillers.push_back(socket(AF_INET, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0));
        connect(fillers.back(), reinterpret_cast<sockaddr*>(&address), sizeof address);
    }
    const auto [code, after] = CancelWhileBlocked(port, nullptr);
    EXPECT_EQ(code, 7);
    EXPECT_LT(after, std::chrono::seconds(1));
    for (const int fd : fillers) close(fd);
    close(listener);
}

TEST(InternetQueryClientCancel, StaysInForceUntilTheNextSearchBegins) {
    ScriptedServer server(Answer(HttpReply(RecordsReplyBody(0, {}))));
    InternetQueryClient client;
    ASSERT_EQ(client.Initialise("127.0.0.1", "/q", server.Port()), 0);
    client.BeginSearch();
    client.Cancel();  // between two pages
    EXPECT_EQ(QueryOnce(client).code, 7);
    EXPECT_EQ(QueryOnce(client).code, 7);
    EXPECT_TRUE(server.Requests().empty());  // nothing was sent
    client.BeginSearch();
    EXPECT_EQ(QueryOnce(client).code, 0);
    // A cancellation of a search that has already ended does not reach the next one.
    client.Cancel();
    client.BeginSearch();
    EXPECT_EQ(QueryOnce(client).code, 0);
}

}  // namespace
}  // namespace vendarion
