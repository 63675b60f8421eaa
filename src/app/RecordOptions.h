#pragma once

#include "app/OptionParser.h"
#include "app/RecordSettings.h"
#include "app/RunOptions.h"

#include <optional>
#include <string>

// The command line's recording options: --record FILE, --offscreen, --fps,
// --seconds. --time, --size, --mode, --camera and the device options come
// from the shared run options.
struct RecordOptions {
    std::optional<std::string> file;
    bool offscreen = false;
    std::optional<int> fps;
    std::optional<float> seconds;
};

void addRecordOptions(OptionParser& parser, RecordOptions& options);

// The rules between the recording's options and the others; throws OptionError.
void checkRecordOptions(const RecordOptions& record, const RunOptions& run);

// What a recording asked for on the command line will do.
RecordSettings recordSettings(const RecordOptions& record, const RunOptions& run);
