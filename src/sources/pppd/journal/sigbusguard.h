#pragma once

// sd-journal reads journal files through memory maps. A file cut short under a map (a disk
// mounted from another machine, a file truncated by hand) raises SIGBUS on the next read, which
// would end the program. While a guard lives, such a read finds zeros instead, which sd-journal
// rejects as a damaged file, and the guard reports that it happened. Guards may nest; the
// program's own handler is back in place when the last one ends.
class SigbusGuard
{
public:
    SigbusGuard();
    ~SigbusGuard();
    SigbusGuard(const SigbusGuard&) = delete;
    SigbusGuard& operator=(const SigbusGuard&) = delete;

    // Whether a mapped page vanished while this guard lived.
    bool faulted() const;

private:
    unsigned long m_faultsAtStart;
};
