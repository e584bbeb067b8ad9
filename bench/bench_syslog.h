#pragma once

class BenchReport;

// pppd's records in a syslog file: a full read of a large file against a plain pass over its
// bytes, and a Refresh that reads a few new records after many old ones.
void syslogBench(BenchReport& report);
