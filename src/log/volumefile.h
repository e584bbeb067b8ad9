#pragma once

#include "datedconnection.h"

#include <QList>
#include <QString>

// The bytes sent and received of the connections whose source gives them, kept by the program
// so that they outlive the system log's rotation: a quoted "date","start","end","sent","received"
// line for each connection (an empty field where a count is unknown). The own log and the notes
// keep their shape; this file is the program's alone.
class VolumeFile
{
public:
    explicit VolumeFile(QString path) : m_path(std::move(path)) {}
    QString path() const { return m_path; }

    // Stores the bytes the connections bring (a count read now takes the place of a stored one;
    // not when only reading) and gives each connection the bytes stored for it. False, with the
    // reason, when the file could not be written; the connections still carry what is known.
    bool keep(QList<DatedConnection>& connections, QString* error = nullptr,
              bool store = true) const;

private:
    QString m_path;
};
