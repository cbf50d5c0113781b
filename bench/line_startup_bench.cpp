// The line enumeration of start-up with silent serial ports: pseudo-terminals that
// never answer, against none at all (vendarion-line-bench). The difference is what
// ports without a modem add to start-up.
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <stdlib.h>
#include <unistd.h>

#include <string>
#include <vector>

#include "dial/line_discovery.h"
#include "dial/tapi_dialer.h"
#include "support/memory_settings.h"

namespace vendarion::bench {
namespace {

// Pseudo-terminals whose other end never reads or answers.
class SilentPorts {
public:
    explicit SilentPorts(int count) {
        for (int i = 0; i < count; ++i) {
            const int master = posix_openpt(O_RDWR | O_NOCTTY | O_CLOEXEC);
            if (master < 0 || grantpt(master) != 0 || unlockpt(master) != 0) continue;
            masters_.push_back(master);
            paths_.emplace_back(ptsname(master));
        }
    }
    ~SilentPorts() {
        for (const int master : masters_) close(master);
    }
    const std::vector<std::string>& Paths() const { return paths_; }

private:
    std::vector<int> masters_;
    std::vector<std::string> paths_;
};

void StartupEnumeration(benchmark::State& state) {
    const SilentPorts ports(static_cast<int>(state.range(0)));
    test::MemorySettings settings;
    for (auto _ : state) {
        TapiDialer lines(settings, [&] { return DiscoverLines(settings, ports.Paths(), nullptr); });
        TapiLineList found;
        benchmark::DoNotOptimize(lines.EnumerateLines(&found));
    }
}
BENCHMARK(StartupEnumeration)->Arg(0)->Arg(10)->Unit(benchmark::kMillisecond)->Iterations(20);

}  // namespace
}  // namespace vendarion::bench

BENCHMARK_MAIN();
