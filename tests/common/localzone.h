#pragma once

#include <QByteArray>
#include <QtGlobal>
#include <time.h>

// Puts the process in a time zone for as long as it lives, so local times in tests do not depend
// on the machine's zone. London has a summer time, which the tests need.
class LocalZone
{
public:
    explicit LocalZone(const char* zone = "Europe/London")
        : m_hadZone(qEnvironmentVariableIsSet("TZ")), m_old(qgetenv("TZ"))
    {
        qputenv("TZ", zone);
        tzset();
    }
    ~LocalZone()
    {
        if (m_hadZone)
            qputenv("TZ", m_old);
        else
            qunsetenv("TZ");
        tzset();
    }
    LocalZone(const LocalZone&) = delete;
    LocalZone& operator=(const LocalZone&) = delete;

private:
    bool m_hadZone;
    QByteArray m_old;
};
