#pragma once

#include "datedconnection.h"

#include <QList>
#include <QString>
#include <QStringList>

// What the program keeps of the connections whose source gives more than the own log can hold,
// so that it outlives the system log's rotation: a quoted "date","start","end","sent","received"
// line for each connection, and a sixth field, "seconds", where the length was measured (the
// own log's texts carry no end date, so a call longer than a day needs it), and a seventh, "name",
// where the source names the connection. An empty field stands for what is unknown; a line of
// five fields has no measured length. The own log and the
// notes keep their shape; this file is the program's alone.
class VolumeFile
{
public:
    explicit VolumeFile(QString path) : m_path(std::move(path)) {}
    QString path() const { return m_path; }

    // Stores what the connections bring (a figure read now takes the place of a stored one; not
    // when only reading) and gives each connection what is stored for it. A byte count or a
    // length that cannot be real, in the file or brought, is left out; `ignored` receives the
    // connections it belonged to ("yyyy-mm-dd hh:mm:ss"). False, with the reason, when the file
    // could not be written; the connections still carry what is known.
    bool keep(QList<DatedConnection>& connections, QString* error = nullptr, bool store = true,
              QStringList* ignored = nullptr) const;

private:
    QString m_path;
};
