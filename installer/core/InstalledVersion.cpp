#include "InstalledVersion.h"

#include "InstallerTexts.h"
#include "support/core/ProductInfo.h"

#include <cstdlib>

namespace {

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

bool IsSpace(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

std::size_t SkipDigits(const std::string& text, std::size_t at) {
    while (at < text.size() && IsDigit(text[at]))
        ++at;
    return at;
}

// The longest leading decimal number of text after its white space, without the sign:
// "12.5e3" of "  -12.5e3xyz". Empty when there is none.
std::string DecimalPrefix(const std::string& text, bool& negative) {
    std::size_t at = 0;
    while (at < text.size() && IsSpace(text[at]))
        ++at;
    negative = false;
    if (at < text.size() && (text[at] == '+' || text[at] == '-'))
        negative = text[at++] == '-';
    const std::size_t start = at;
    std::size_t end = SkipDigits(text, at);
    bool digits = end > start;
    if (end < text.size() && text[end] == '.') {
        const std::size_t fractionEnd = SkipDigits(text, end + 1);
        digits = digits || fractionEnd > end + 1;
        end = fractionEnd;
    }
    if (!digits)
        return std::string();
    // An exponent counts only when at least one digit follows its letter and sign.
    if (end < text.size() && (text[end] == 'e' || text[end] == 'E')) {
        std::size_t exponent = end + 1;
        if (exponent < text.size() && (text[exponent] == '+' || text[exponent] == '-'))
            ++exponent;
        const std::size_t exponentEnd = SkipDigits(text, exponent);
        if (exponentEnd > exponent)
            end = exponentEnd;
    }
    return text.substr(start, end - start);
}

} // namespace

double ParseInstalledVersion(const std::string& recorded) {
    bool negative = false;
    const std::string number = DecimalPrefix(recorded, negative);
    if (number.empty())
        return 0.0;
    // The prefix holds only digits, one period and an exponent; the programs never leave the C
    // library's "C" locale, whose decimal separator is the period.
    const double magnitude = std::strtod(number.c_str(), nullptr);
    return negative ? -magnitude : magnitude;
}

InstallDecision DecideInstall(double installedVersion) {
    if (installedVersion < product::kVersion)
        return InstallDecision::InstallAtOnce;
    if (installedVersion == product::kVersion)
        return InstallDecision::AskReinstall;
    return InstallDecision::AskReplaceHigher;
}

std::string InstallQuestion(InstallDecision decision) {
    switch (decision) {
    case InstallDecision::AskReinstall:
        return installer::kReinstallQuestion;
    case InstallDecision::AskReplaceHigher:
        return installer::kReplaceHigherQuestion;
    case InstallDecision::InstallAtOnce:
        break;
    }
    return std::string();
}
