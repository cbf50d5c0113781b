#include "fastcgi_server.h"

#include <fcgiapp.h>

#include <algorithm>
#include <cstdio>
#include <memory>
#include <mutex>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

#include "net/reply_writer.h"
#include "net/server_readers.h"
#include "net/server_request.h"
#include "store/data_set.h"

namespace vendarion {
namespace {

// The body of a request as the FastCGI library receives it.
class FcgiBody final : public ByteSource {
public:
    explicit FcgiBody(FCGX_Stream* in) : in_(in) {}
    Received Receive(std::uint8_t* data, std::size_t size) override {
        const int chunk = static_cast<int>(std::min<std::size_t>(size, 1 << 16));
        const int got = FCGX_GetStr(reinterpret_cast<char*>(data), chunk, in_);
        return {static_cast<std::size_t>(got > 0 ? got : 0), got < 0 ? 1 : 0};
    }

private:
    FCGX_Stream* in_;
};

std::string_view Param(const char* name, FCGX_ParamArray params) {
    const char* value = FCGX_GetParam(name, params);
    return value != nullptr ? value : "";
}

struct Shared {
    const DataSet& data_set;
    CursorCache& cache;
    const ServerLimits& limits;
    int listen_socket;
    std::mutex accept_mutex;  // one thread waits in accept at a time
};

void Serve(Shared& shared, ThreadReaders& readers) {
    DirectoryServer server(shared.data_set, readers.View(), shared.limits, &shared.cache);
    FCGX_Request request;
    if (FCGX_InitRequest(&request, shared.listen_socket, 0) != 0) return;
    for (;;) {
        int accepted = 0;
        {
            const std::lock_guard lock(shared.accept_mutex);
            accepted = FCGX_Accept_r(&request);
        }
        if (accepted < 0) break;
        FcgiBody body(request.in);
        const std::string response =
            CgiResponse(AnswerRequest(Param("REQUEST_METHOD", request.envp),
                                      Param("CONTENT_LENGTH", request.envp), body, server));
        FCGX_PutStr(response.data(), static_cast<int>(response.size()), request.out);
        FCGX_Finish_r(&request);
    }
    FCGX_Free(&request, 1);
}

}  // namespace

int RunFastCgi(int listen_socket, const ServerOptions& options) {
    DataSet data_set;
    if (options.data_folder.empty() ||
        data_set.Open(options.data_folder) != DataSetStep::kComplete) {
        std::fprintf(stderr, "QueryCgi: cannot open the data set in \"%s\" (VENDARION_DATA)\n",
                     options.data_folder.c_str());
        return 1;
    }
    const unsigned cores = std::thread::hardware_concurrency();
    const int workers = options.workers > 0 ? options.workers
                        : cores > 0         ? static_cast<int>(cores)
                                            : 1;
    std::vector<std::unique_ptr<ThreadReaders>> readers;
    for (int i = 0; i < workers; ++i) {
        readers.push_back(std::make_unique<ThreadReaders>());
        if (!readers.back()->Open(data_set)) {
            std::fprintf(stderr, "QueryCgi: cannot open the readers of a worker\n");
            return 1;
        }
    }
    CursorCache cache(options.cache);
    Shared shared{data_set, cache, options.limits, listen_socket, {}};
    std::vector<std::thread> threads;
    for (int i = 1; i < workers; ++i) {
        threads.emplace_back([&shared, &readers, i] { Serve(shared, *readers[i]); });
    }
    Serve(shared, *readers[0]);
    for (std::thread& thread : threads) thread.join();
    return 0;
}

}  // namespace vendarion
