#pragma once

#include "BenchOptions.h"
#include "BenchRun.h"

#include <ostream>

// The human-readable table: frame times, GPU time per pass, start-up split.
void printReport(std::ostream& out, const BenchOptions& options, const BenchResult& result);

// One line per measured frame, times in milliseconds; a pass without
// timestamps is left empty.
void writeFrameCsv(std::ostream& out, const BenchResult& result);
