#pragma once

class BenchReport;

// pppd's records in a syslog file: a full read of a large file against a plain pass over its
// bytes, a Refresh that reads a few new records after many old ones, and a first read of a
// rotated set with a compressed file against plain passes and zcat.
void syslogBench(BenchReport& report);
