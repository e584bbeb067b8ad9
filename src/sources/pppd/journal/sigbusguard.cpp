#include "sigbusguard.h"

#include <atomic>
#include <csignal>
#include <cstdint>
#include <sys/mman.h>
#include <unistd.h>

namespace
{
std::atomic<unsigned long> faults{0};
int guards = 0;
long pageSize = 4096;
struct sigaction previous;

void onSigbus(int, siginfo_t* info, void*)
{
    // Put a page of zeros where the file's page was, so the read that faulted can go on.
    const auto address = reinterpret_cast<std::uintptr_t>(info->si_addr);
    void* page = reinterpret_cast<void*>(address & ~std::uintptr_t(pageSize - 1));
    if (::mmap(page, size_t(pageSize), PROT_READ | PROT_WRITE,
               MAP_PRIVATE | MAP_ANONYMOUS | MAP_FIXED, -1, 0) == MAP_FAILED) {
        // Nothing can be put there: let the fault end the program as it would have.
        ::signal(SIGBUS, SIG_DFL);
        return;
    }
    faults.fetch_add(1);
}
} // namespace

SigbusGuard::SigbusGuard() : m_faultsAtStart(faults.load())
{
    if (guards++ > 0)
        return;
    pageSize = ::sysconf(_SC_PAGESIZE);
    struct sigaction action = {};
    action.sa_sigaction = onSigbus;
    action.sa_flags = SA_SIGINFO;
    sigemptyset(&action.sa_mask);
    ::sigaction(SIGBUS, &action, &previous);
}

SigbusGuard::~SigbusGuard()
{
    if (--guards == 0)
        ::sigaction(SIGBUS, &previous, nullptr);
}

bool SigbusGuard::faulted() const
{
    return faults.load() != m_faultsAtStart;
}
