#pragma once

class BenchReport;

// Reading pppd's records from the systemd journal: a Refresh that reads what is new after a
// long history, and the full read it saves.
void benchJournal(BenchReport& report);
