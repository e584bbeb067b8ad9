#pragma once

#include "pppdrecord.h"

#include <QDateTime>
#include <QSet>
#include <utility>

// The records of the moment being read, each once: two syslog daemons writing one file log
// each line twice, among the lines of that moment.
class RecordMoment
{
public:
    // False for a record this moment holds already.
    bool take(const PppdRecord& record)
    {
        if (record.when != m_when) {
            m_when = record.when;
            m_taken.clear();
        }
        const qsizetype before = m_taken.size();
        m_taken.insert({record.pid, record.message});
        return m_taken.size() != before;
    }

private:
    QDateTime m_when;
    QSet<std::pair<qint64, QString>> m_taken;
};
