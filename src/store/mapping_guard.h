// Keeps a file mapping that shrinks under the program from killing it. The archives
// are mapped shared, so a file that is truncated or replaced in place while mapped
// (or a medium that goes away) makes a read of a page past its new end raise SIGBUS.
// For a guarded mapping the signal handler puts a page of zero bytes in place of the
// one that faulted and marks the mapping as faulted; the read then goes on and sees
// zeros, which every reader already refuses as damaged data, so searches end quietly
// with what they found. Faults outside guarded mappings keep their default effect.
#pragma once

#include <cstddef>

namespace vendarion {

// Guards a mapping until UnguardMapping; false when all guard slots are in use (the
// mapping then stays unguarded). Any thread.
[[nodiscard]] bool GuardMapping(const void* base, std::size_t size);
void UnguardMapping(const void* base);
// Whether a read of the guarded mapping at base has faulted since it was guarded.
bool MappingFaulted(const void* base);

}  // namespace vendarion
