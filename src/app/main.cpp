#include "app/Application.h"
#include "app/CommandLine.h"
#include "app/RecordOptions.h"
#include "app/Recording.h"
#include "renderer/RefusedChoice.h"

#include <exception>
#include <iostream>

int main(int argc, char** argv)
{
    try {
        RunOptions options;
        RecordOptions record;
        OptionParser parser("kestrelwing");
        addRunOptions(parser, options);
        parser.flag("--overlay", "start with the overlay shown (F2 shows and hides it)",
                    [&] { options.overlay = true; });
        addRecordOptions(parser, record);
        if (const auto code = readCommandLine(parser, std::vector<std::string>(argv + 1, argv + argc), options,
                                              [&] { checkRecordOptions(record, options); })) {
            return *code;
        }
        if (record.file) {
            return recordCommand(recordSettings(record, options), parser.programName());
        }
        Application app;
        app.run(options);
    } catch (const RefusedChoice& e) {
        std::cerr << "kestrelwing: " << e.what() << std::endl;
        return 2;
    } catch (const std::exception& e) {
        std::cerr << e.what() << std::endl;
        return 1;
    }
    return 0;
}
