#pragma once

#include "connectionrecord.h"

#include <QDate>

// A connection as a load collects it, before it is given a slot: the three texts, the day they
// stand for (kept as a date so no century is ever guessed twice), and which file it came from.
struct DatedConnection {
    ConnectionRecord record;
    QDate date;
    bool fromOwnLog = false;
    // The own log's line it was read from (from 0); -1 when it came from elsewhere.
    int ownLogLine = -1;
    // Its end is still to come: a live source follows it as it goes on. Never stored; the own
    // log keeps such a call as one whose end is unknown.
    bool inProgress = false;
};
