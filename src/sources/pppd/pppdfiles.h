#pragma once

#include <QString>

// The files a system source keeps in the program's data folder, all named after the source:
// "PPP connections in " and the path it reads, with '/' as '_' ("/var/log/syslog": "PPP
// connections in var_log_syslog"), or a name of its own. A '_' or '%' of the path is written as
// %5F or %25, so that no two paths share a name: earlier versions named X/a_b and X/a/b both
// X_a_b. Files an earlier version named for the source are read where they are until the first
// load that writes, which copies them under the source's own name. They stay where they were, as
// they may hold another source's calls too; from then on each source writes only its own.
class PppdFiles
{
public:
    // The source that reads the file or folder at `path`.
    static PppdFiles ofPath(const QString& path, QString dataDirectory);
    // A source with a name of its own (this computer's journal).
    static PppdFiles named(const QString& name, QString dataDirectory);

    // The source's file with this ending (" (Bytes - Do not delete).dtk").
    QString path(const QString& suffix) const;
    QString ownLogPath() const;
    QString notesPath() const;
    QString volumePath() const;
    QString startOfLogPath() const;

    // Makes the data folder, and copies the files an earlier version named for the source under
    // its own name when it has none yet. False, with the reason, when either fails; no copy is
    // then left behind.
    bool prepareForWriting(QString* error) const;

    // A path fit to name files after; no two paths give the same name.
    static QString nameFor(const QString& path);

private:
    PppdFiles(QString name, QString earlierName, QString dataDirectory);
    // The name the files are kept under: an earlier version's while only it has files.
    QString nameInUse() const;
    bool ownNameInUse() const;

    QString m_name;
    QString m_earlierName;
    QString m_dataDirectory;
};
