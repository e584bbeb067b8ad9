#include "failingsync.h"

#include <atomic>
#include <cerrno>
#include <dlfcn.h>

namespace
{
std::atomic_bool armed{false};

using SyncCall = int (*)(int);
int passOn(const char* name, int fd)
{
    const auto call = reinterpret_cast<SyncCall>(::dlsym(RTLD_NEXT, name));
    if (!call) {
        errno = ENOSYS;
        return -1;
    }
    return call(fd);
}
} // namespace

void FailingSync::arm(bool on)
{
    armed = on;
}

bool FailingSync::isArmed()
{
    return armed;
}

extern "C" int fsync(int fd)
{
    if (armed) {
        errno = EIO;
        return -1;
    }
    return passOn("fsync", fd);
}

extern "C" int fdatasync(int fd)
{
    if (armed) {
        errno = EIO;
        return -1;
    }
    return passOn("fdatasync", fd);
}
