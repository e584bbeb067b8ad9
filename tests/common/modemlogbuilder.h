#pragma once

#include <QString>
#include <QStringList>

// Writes modem logs in the driver's 9x layout (MM-DD-YYYY hh:mm:ss.ss - message) for tests.
class ModemLogBuilder
{
public:
    // date as MM-DD-YYYY; a call with an empty end time has no hang-up line (still in progress).
    ModemLogBuilder& call(const QString& date, const QString& start, const QString& end,
                          const QString& endDate = {})
    {
        line(date, start, QStringLiteral("Generic 56K Voice Modem in use."));
        line(date, start, QStringLiteral("Dialing."));
        line(date, start, QStringLiteral("Send: ATDT5550147<cr>"));
        line(date, start, QStringLiteral("Connection established at 45333bps."));
        if (!end.isEmpty()) {
            const QString day = endDate.isEmpty() ? date : endDate;
            line(day, end, QStringLiteral("Hanging up the modem."));
            line(day, end, QStringLiteral("Session Statistics:"));
            line(day, end, QStringLiteral("               Reads : 4718236 bytes"));
            line(day, end, QStringLiteral("               Writes: 392741 bytes"));
            line(day, end, QStringLiteral("Generic 56K Voice Modem closed."));
        }
        return *this;
    }
    ModemLogBuilder& line(const QString& date, const QString& time, const QString& message)
    {
        m_lines << date + QLatin1Char(' ') + time + QStringLiteral(".07 - ") + message;
        return *this;
    }
    QByteArray bytes() const
    {
        QByteArray out;
        for (const QString& l : m_lines)
            out += l.toLatin1() + "\r\n";
        return out;
    }

private:
    QStringList m_lines;
};
