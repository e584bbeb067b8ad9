#pragma once

#include <QString>

// Moves HOME and the XDG folders into a temporary directory for the whole test process, so no
// test can touch the real user's settings, data or modem log.
class TestEnvironment
{
public:
    static void isolateHome();
    // The temporary home of this process.
    static QString home();
    // The source tree, for fixtures such as data/demo.
    static QString sourceDir() { return QStringLiteral(DIALTRAK_SOURCE_DIR); }
};
