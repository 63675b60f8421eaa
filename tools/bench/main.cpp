#include "BenchOptions.h"
#include "BenchReport.h"
#include "BenchRun.h"

#include "app/CommandLine.h"
#include "renderer/RefusedChoice.h"

#include <fstream>
#include <iostream>
#include <stdexcept>

int main(int argc, char** argv)
{
    BenchOptions options;
    OptionParser parser("kestrelwing_bench");
    addBenchOptions(parser, options);
    try {
        if (const auto code = readCommandLine(parser, std::vector<std::string>(argv + 1, argv + argc), options.run,
                                              [&] { checkBenchOptions(options); })) {
            return *code;
        }
        // The CSV is opened first: a run of minutes should not end unable to write it.
        std::ofstream csv(options.csvPath);
        if (!csv) {
            throw std::runtime_error("cannot write " + options.csvPath);
        }
        const BenchResult result = runBenchmark(options);
        writeFrameCsv(csv, result);
        printReport(std::cout, options, result);
    } catch (const RefusedChoice& e) {
        std::cerr << "kestrelwing_bench: " << e.what() << std::endl;
        return 2;
    } catch (const std::exception& e) {
        std::cerr << e.what() << std::endl;
        return 1;
    }
    return 0;
}
