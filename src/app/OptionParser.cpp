#include "app/OptionParser.h"

#include <algorithm>

namespace {

constexpr size_t helpColumn = 28;

} // namespace

OptionError badValue(const std::string& option, const std::string& value, const std::string& expected)
{
    return OptionError(option + " takes " + expected + ", not '" + value + "'");
}

void OptionParser::flag(const std::string& name, const std::string& help, std::function<void()> act)
{
    options.push_back({name, "", help, [act = std::move(act)](const std::string&) { act(); }});
}

void OptionParser::value(const std::string& name, const std::string& placeholder, const std::string& help,
                         std::function<void(const std::string&)> act)
{
    options.push_back({name, placeholder, help, std::move(act)});
}

const OptionParser::Option* OptionParser::find(const std::string& name) const
{
    const auto option = std::find_if(options.begin(), options.end(), [&](const Option& o) { return o.name == name; });
    return option == options.end() ? nullptr : &*option;
}

void OptionParser::parse(const std::vector<std::string>& arguments) const
{
    for (size_t i = 0; i < arguments.size(); i++) {
        const std::string& argument = arguments[i];
        const size_t equals = argument.find('=');
        const std::string name = argument.substr(0, equals);
        const Option* option = argument.rfind("--", 0) == 0 ? find(name) : nullptr;
        if (option == nullptr) {
            throw OptionError("unknown option '" + argument + "' (" + program + " --help lists them)");
        }
        if (option->placeholder.empty()) {
            if (equals != std::string::npos) {
                throw OptionError(name + " takes no value, not '" + argument.substr(equals + 1) + "'");
            }
            option->act("");
        } else if (equals != std::string::npos) {
            option->act(argument.substr(equals + 1));
        } else if (i + 1 < arguments.size()) {
            option->act(arguments[++i]);
        } else {
            throw OptionError(name + " needs a value (" + option->placeholder + ")");
        }
    }
}

std::string OptionParser::help() const
{
    std::string text = "usage: " + program + " [options]\n";
    for (const Option& option : options) {
        std::string left = "  " + option.name + (option.placeholder.empty() ? "" : " " + option.placeholder);
        left.resize(std::max(helpColumn, left.size() + 1), ' ');
        text += left + option.help + "\n";
    }
    return text;
}
