#pragma once

#include "log/connectiontable.h"
#include "log/ownlogfile.h"
#include "platform/textfile.h"
#include "sources/modemlog/modemlogsource.h"

#include <QDir>
#include <QFile>
#include <QStringList>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

// A modem log, its own log and a program directory in a temporary folder.
class LogFixture
{
public:
    LogFixture()
        : m_logpath(m_dir.filePath(QStringLiteral("Standard Modem.log"))),
          m_programDirectory(m_dir.filePath(QStringLiteral("program")))
    {
    }
    QString logpath() const { return m_logpath; }
    QString ownLogPath() const { return OwnLogFile::pathFor(m_logpath); }
    QString programDirectory() const { return m_programDirectory; }
    QString dir() const { return m_dir.path(); }

    static void write(const QString& path, const QByteArray& bytes)
    {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        QCOMPARE(file.write(bytes), bytes.size());
    }
    void writeModemLog(const QByteArray& bytes) const { write(m_logpath, bytes); }
    void writeOwnLog(const QStringList& lines) const
    {
        QByteArray bytes;
        for (const QString& line : lines)
            bytes += line.toUtf8() + "\r\n";
        write(ownLogPath(), bytes);
    }
    QStringList ownLog() const { return TextFile::readLines(ownLogPath()).value_or(QStringList()); }
    QByteArray modemLog() const { return TextFile::readBytes(m_logpath).value_or("<missing>"); }
    // The modem log as a source, as the program opens it at each start.
    std::unique_ptr<ModemLogSource> modemLogSource() const
    {
        return std::make_unique<ModemLogSource>(m_logpath, m_programDirectory);
    }

    // Slots 1..count as "date start end" texts.
    static QStringList rows(const ConnectionTable& table)
    {
        QStringList out;
        for (int slot = 1; slot <= table.connectioncount(); ++slot)
            out << table[slot].conndate + QLatin1Char(' ') + table[slot].starttime +
                       QLatin1Char(' ') + table[slot].endtime;
        return out;
    }
    static ConnectionRecord connection(const QString& date, const QString& start,
                                       const QString& end, const QString& otherinfo = {})
    {
        ConnectionRecord record;
        record.conndate = date;
        record.starttime = start;
        record.endtime = end;
        record.otherinfo = otherinfo;
        return record;
    }
    // An own log line as the program writes it.
    static QString record(const QString& date, const QString& start, const QString& end)
    {
        return QStringLiteral("\"%1\",\"%2\",\"%3\"").arg(date, start, end);
    }

private:
    QTemporaryDir m_dir;
    QString m_logpath;
    QString m_programDirectory;
};
