#include "Statistics.h"

#include <algorithm>
#include <cmath>

namespace {

// Nearest-rank percentile of sorted samples.
double percentile(const std::vector<double>& sorted, double fraction)
{
    const auto rank = static_cast<size_t>(std::ceil(fraction * static_cast<double>(sorted.size())));
    return sorted[std::max<size_t>(rank, 1) - 1];
}

} // namespace

Summary summarize(std::vector<double> samples)
{
    samples.erase(std::remove_if(samples.begin(), samples.end(), [](double value) { return std::isnan(value); }),
                  samples.end());
    if (samples.empty()) {
        const double missing = std::nan("");
        return {missing, missing, missing};
    }
    std::sort(samples.begin(), samples.end());
    const size_t middle = samples.size() / 2;
    const double median = samples.size() % 2 == 1 ? samples[middle] : 0.5 * (samples[middle - 1] + samples[middle]);
    return {median, percentile(samples, 0.95), samples.back()};
}
