// Loads arbitrary bytes as a personal entry store. A store that loads must hold only
// levels 0-7 and must encode back to exactly the bytes it was loaded from.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "fuzz_file.h"
#include "personal/entry_store.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const vendarion::fuzz::MemoryFile file(data, size);
    if (!file.ok()) return 0;
    vendarion::EntryStore store;
    if (!store.Load(file.Path())) {
        if (store.Count() != 0) std::abort();
        return 0;
    }
    for (int i = 0; i < store.Count(); ++i) {
        const std::int32_t level = store.EntryAt(i).level;
        if (level < 0 || level > vendarion::kDeepestLevel) std::abort();
    }
    const std::string encoded = store.Encode();
    if (std::string_view(encoded) != std::string_view(reinterpret_cast<const char*>(data), size)) {
        std::abort();
    }
    if (store.Capacity() < store.Count()) std::abort();
    return 0;
}
