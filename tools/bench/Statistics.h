#pragma once

#include <vector>

// Order statistics of one column of per-frame times. NaN samples (a pass whose
// timestamps never became available) are left out; all are NaN when nothing is left.
struct Summary {
    double median;
    double p95;
    double max;
};

Summary summarize(std::vector<double> samples);
