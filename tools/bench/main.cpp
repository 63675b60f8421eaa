#include "BenchOptions.h"
#include "BenchReport.h"
#include "BenchRun.h"

#include "app/Recording.h"

#include <fstream>
#include <iostream>
#include <stdexcept>

int main(int argc, char** argv)
{
    BenchOptions options;
    try {
        options = parseBenchOptions(std::vector<std::string>(argv + 1, argv + argc));
    } catch (const std::invalid_argument& e) {
        std::cerr << e.what() << std::endl;
        return 2;
    }
    if (options.record) {
        try {
            return recordCommand(*options.record, "kestrelwing_bench");
        } catch (const std::exception& e) {
            std::cerr << e.what() << std::endl;
            return 1;
        }
    }
    try {
        // The CSV is opened first: a run of minutes should not end unable to write it.
        std::ofstream csv(options.csvPath);
        if (!csv) {
            throw std::runtime_error("cannot write " + options.csvPath);
        }
        const BenchResult result = runBenchmark(options);
        writeFrameCsv(csv, result);
        printReport(std::cout, options, result);
    } catch (const std::exception& e) {
        std::cerr << e.what() << std::endl;
        return 1;
    }
    return 0;
}
