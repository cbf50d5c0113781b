#include "store/mapping_guard.h"

#include <signal.h>
#include <sys/mman.h>
#include <unistd.h>

#include <array>
#include <atomic>
#include <cstdint>
#include <mutex>

namespace vendarion {
namespace {

// The slots are read by the signal handler, so they are lock-free atomics; the
// mutex only orders the guarding threads among themselves.
struct Slot {
    std::atomic<std::uintptr_t> begin{0};
    std::atomic<std::uintptr_t> end{0};
    std::atomic<bool> faulted{false};
};

constexpr std::size_t kSlots = 32;
std::array<Slot, kSlots> slots;
std::mutex guard_mutex;
struct sigaction previous_action {};
bool handler_installed = false;

void OnBus(int signal, siginfo_t* info, void* context) {
    const auto address = reinterpret_cast<std::uintptr_t>(info->si_addr);
    for (Slot& slot : slots) {
        const std::uintptr_t begin = slot.begin.load();
        if (begin == 0 || address < begin || address >= slot.end.load()) continue;
        const auto page = static_cast<std::uintptr_t>(::sysconf(_SC_PAGESIZE));
        void* start = reinterpret_cast<void*>(address & ~(page - 1));
        if (::mmap(start, page, PROT_READ, MAP_PRIVATE | MAP_ANONYMOUS | MAP_FIXED, -1, 0) !=
            MAP_FAILED) {
            slot.faulted.store(true);
            return;  // the faulting read runs again and finds zeros
        }
        break;
    }
    // Not ours (or no page to put in place): what would have happened without us.
    if ((previous_action.sa_flags & SA_SIGINFO) != 0 && previous_action.sa_sigaction != nullptr) {
        previous_action.sa_sigaction(signal, info, context);
        return;
    }
    if (previous_action.sa_handler != SIG_DFL && previous_action.sa_handler != SIG_IGN &&
        previous_action.sa_handler != nullptr) {
        previous_action.sa_handler(signal);
        return;
    }
    ::signal(SIGBUS, SIG_DFL);
    ::raise(SIGBUS);
}

void InstallHandler() {
    if (handler_installed) return;
    struct sigaction action {};
    action.sa_sigaction = OnBus;
    action.sa_flags = SA_SIGINFO | SA_NODEFER;
    sigemptyset(&action.sa_mask);
    handler_installed = ::sigaction(SIGBUS, &action, &previous_action) == 0;
}

Slot* SlotOf(const void* base) {
    const auto begin = reinterpret_cast<std::uintptr_t>(base);
    for (Slot& slot : slots) {
        if (slot.begin.load() == begin) return &slot;
    }
    return nullptr;
}

}  // namespace

bool GuardMapping(const void* base, std::size_t size) {
    if (base == nullptr || size == 0) return false;
    std::lock_guard lock(guard_mutex);
    InstallHandler();
    if (!handler_installed) return false;
    for (Slot& slot : slots) {
        if (slot.begin.load() != 0) continue;
        slot.faulted.store(false);
        slot.end.store(reinterpret_cast<std::uintptr_t>(base) + size);
        slot.begin.store(reinterpret_cast<std::uintptr_t>(base));
        return true;
    }
    return false;
}

void UnguardMapping(const void* base) {
    std::lock_guard lock(guard_mutex);
    if (Slot* slot = SlotOf(base)) {
        slot->begin.store(0);
        slot->end.store(0);
        slot->faulted.store(false);
    }
}

bool MappingFaulted(const void* base) {
    const Slot* slot = SlotOf(base);
    return slot != nullptr && slot->faulted.load();
}

}  // namespace vendarion
