#pragma once

#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

// A bad command line, worded as one line that names the option and the value
// (the program's name goes in front when it is printed).
class OptionError : public std::invalid_argument {
public:
    explicit OptionError(const std::string& message) : std::invalid_argument(message) {}
};

// The value `option` was given cannot be used: "--frames takes a whole
// number of at least 1, not '0'".
OptionError badValue(const std::string& option, const std::string& value, const std::string& expected);

// The command line of the demo and of the benchmark: each registers its
// options with what to do on each, then parses. "--name value" and
// "--name=value" both give a value.
class OptionParser {
public:
    explicit OptionParser(std::string program) : program(std::move(program)) {}

    void flag(const std::string& name, const std::string& help, std::function<void()> act);
    // `placeholder` names the value in the help, e.g. "WxH".
    void value(const std::string& name, const std::string& placeholder, const std::string& help,
               std::function<void(const std::string&)> act);

    // Acts on every argument in order; throws OptionError at the first that
    // is unknown, lacks its value, or has a value its option refuses.
    void parse(const std::vector<std::string>& arguments) const;

    // The usage line and one line per option, in the order registered.
    std::string help() const;
    const std::string& programName() const { return program; }

private:
    struct Option {
        std::string name;
        std::string placeholder; // empty for a flag
        std::string help;
        std::function<void(const std::string&)> act;
    };

    const Option* find(const std::string& name) const;

    std::string program;
    std::vector<Option> options;
};
