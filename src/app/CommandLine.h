#pragma once

#include "app/OptionParser.h"
#include "app/RunOptions.h"

#include <functional>
#include <optional>
#include <string>
#include <vector>

// Parses `arguments` with `parser` (in which the shared options of `options`
// are registered), runs `checkTogether` for the rules between options (it may
// throw OptionError), and answers what needs no window: a bad value (one line
// on standard error, code 2), --help and --version (standard output, code 0),
// --list-gpus (code 0) and a --gpu that names no device that can draw (code 2).
// Returns the exit code when the program ends here, nothing when it goes on.
std::optional<int> readCommandLine(const OptionParser& parser, const std::vector<std::string>& arguments,
                                   const RunOptions& options, const std::function<void()>& checkTogether = {});
