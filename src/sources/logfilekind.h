#pragma once

#include <QByteArrayView>
#include <QString>
#include <optional>

// What a log file is, told from its first lines: the modem log the Windows modem driver writes,
// a syslog-style file (a system log, or a journalctl text export), or neither.
class LogFileKind
{
public:
    enum class Kind {
        Empty, // nothing to tell from: an emptied modem log looks like this too
        ModemLog,
        Syslog,
        Unknown,
    };

    // How much of a file's start is looked at.
    static constexpr qsizetype HeadBytes = 64 * 1024;

    static Kind detect(QByteArrayView head);
    // None, with the reason, when the file cannot be read.
    static std::optional<Kind> ofFile(const QString& path, QString* error = nullptr);
};
