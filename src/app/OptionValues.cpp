#include "app/OptionValues.h"

#include <cmath>

namespace {

const std::string sizeExpected = "WIDTHxHEIGHT, each a whole number from 1 to " + std::to_string(maxWindowSide);

// Digits only: no sign, space or fraction.
bool isWholeNumber(const std::string& text)
{
    return !text.empty() && text.size() <= 9 && text.find_first_not_of("0123456789") == std::string::npos;
}

} // namespace

int wholeNumberAtLeast(const std::string& option, const std::string& text, int smallest)
{
    const bool negative = !text.empty() && text[0] == '-';
    const std::string digits = negative ? text.substr(1) : text;
    const int value = isWholeNumber(digits) ? (negative ? -1 : 1) * std::stoi(digits) : smallest - 1;
    if (value < smallest) {
        throw badValue(option, text, "a whole number of at least " + std::to_string(smallest));
    }
    return value;
}

float finiteSeconds(const std::string& option, const std::string& text)
{
    size_t used = 0;
    float value = NAN;
    try {
        value = std::stof(text, &used);
    } catch (const std::exception&) {
        used = 0;
    }
    if (text.empty() || used != text.size() || !std::isfinite(value)) {
        throw badValue(option, text, "a finite number of seconds");
    }
    return value;
}

VkExtent2D sizeWxH(const std::string& option, const std::string& text)
{
    const size_t x = text.find_first_of("xX");
    const std::string width = text.substr(0, x);
    const std::string height = x == std::string::npos ? "" : text.substr(x + 1);
    if (!isWholeNumber(width) || !isWholeNumber(height)) {
        throw badValue(option, text, sizeExpected);
    }
    const int w = std::stoi(width);
    const int h = std::stoi(height);
    if (w < 1 || h < 1 || w > maxWindowSide || h > maxWindowSide) {
        throw badValue(option, text, sizeExpected);
    }
    return {static_cast<uint32_t>(w), static_cast<uint32_t>(h)};
}

DisplayMode displayModeNumber(const std::string& option, const std::string& text)
{
    const int mode = wholeNumberAtLeast(option, text, 0);
    if (mode >= DisplayModeCount) {
        throw badValue(option, text, "a display mode from 0 to " + std::to_string(DisplayModeCount - 1));
    }
    return static_cast<DisplayMode>(mode);
}
