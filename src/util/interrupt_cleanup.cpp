#include "util/interrupt_cleanup.h"

#include <unistd.h>

#include <atomic>
#include <csignal>
#include <cstring>

namespace rekkan {
namespace {

// The handler may only read plain memory and make async-signal-safe calls: fixed slots of
// bytes, each made visible to it (the flag) only once it is filled in.

constexpr int kTemporarySlots = 4;
constexpr std::size_t kPathBytes = 4096;

struct TemporarySlot {
    std::atomic<bool> used{false};
    char path[kPathBytes]{};
};

TemporarySlot g_temporaries[kTemporarySlots];
std::atomic<int> g_growthFd{-1};
std::atomic<std::int64_t> g_growthSize{0};
std::atomic<bool> g_installed{false};

extern "C" void OnInterrupt(int signalNumber) {
    for (TemporarySlot& slot : g_temporaries)
        if (slot.used.load()) (void)::unlink(slot.path);
    const int fd = g_growthFd.load();
    if (fd >= 0) (void)::ftruncate(fd, static_cast<off_t>(g_growthSize.load()));
    std::signal(signalNumber, SIG_DFL);
    std::raise(signalNumber);
}

}  // namespace

void InstallInterruptCleanup() {
    struct sigaction action {};
    action.sa_handler = OnInterrupt;
    sigemptyset(&action.sa_mask);
    sigaddset(&action.sa_mask, SIGINT);
    sigaddset(&action.sa_mask, SIGTERM);
    ::sigaction(SIGINT, &action, nullptr);
    ::sigaction(SIGTERM, &action, nullptr);
    g_installed = true;
}

InterruptsHeld::InterruptsHeld() {
    sigset_t held;
    sigemptyset(&held);
    sigaddset(&held, SIGINT);
    sigaddset(&held, SIGTERM);
    (void)::pthread_sigmask(SIG_BLOCK, &held, &previous_);
}

InterruptsHeld::~InterruptsHeld() { (void)::pthread_sigmask(SIG_SETMASK, &previous_, nullptr); }

void WatchTemporary(const std::filesystem::path& path) {
    if (!g_installed) return;
    const std::string& text = path.native();
    if (text.size() >= kPathBytes) return;
    for (TemporarySlot& slot : g_temporaries) {
        if (slot.used.load()) continue;
        std::memcpy(slot.path, text.c_str(), text.size() + 1);
        slot.used = true;
        return;
    }
}

void ForgetTemporary(const std::filesystem::path& path) {
    for (TemporarySlot& slot : g_temporaries)
        if (slot.used.load() && path.native() == slot.path) slot.used = false;
}

void WatchGrowth(int fd, std::int64_t size) {
    if (!g_installed) return;
    g_growthSize = size;
    g_growthFd = fd;
}

void ForgetGrowth(int fd) {
    int expected = fd;
    g_growthFd.compare_exchange_strong(expected, -1);
}

}  // namespace rekkan
