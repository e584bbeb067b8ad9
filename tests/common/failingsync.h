#pragma once

// A device that takes every byte into the cache but cannot put it on the disk, as a failing
// drive or a pulled USB stick does: while armed, fsync() and fdatasync() fail with EIO. The
// definitions stand in for the C library's in the test executable that uses this class, so they
// reach the platform layer's writes and Qt's alike; disarmed, they pass every call on.
class FailingSync
{
public:
    static void arm(bool armed);
    static bool isArmed();
};
