#pragma once

class BenchReport;

// Reading pppd's and ModemManager's records from the systemd journal: a Refresh that reads what
// is new after a long history, and the full read it saves, against journalctl's.
void benchJournal(BenchReport& report);
