#pragma once

#include <QString>

// Root does not feel file permissions, so tests of read-only folders and unreadable files prove
// nothing when run as root (as CI does). Such a test class runs itself again in a child process
// as the unprivileged user "nobody" and takes the child's result.
class Unprivileged
{
public:
    static bool isRoot();
    // Runs this executable's test class again as nobody; its exit code, or -1 when it could not
    // be started. output receives what the child printed.
    static int rerun(const char* testClass, QString* output);
};
