#include "platform/command_line.h"

#include <cstdio>
#include <cstring>
#include <strings.h>

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

const char* SkipBlanks(const char* text) {
    while (IsBlank(*text))
        ++text;
    return text;
}

} // namespace

bool QuotedCommandLine(const char* program, const char* arguments, char* out, size_t size) {
    if (size == 0) return false;
    out[0] = '\0';
    if (std::strchr(program, '"') != nullptr) return false;
    const bool withArguments = arguments != nullptr && arguments[0] != '\0';
    int length = std::snprintf(out, size, "\"%s\"%s%s", program, withArguments ? " " : "",
                               withArguments ? arguments : "");
    if (length < 0 || static_cast<size_t>(length) >= size) {
        out[0] = '\0';
        return false;
    }
    return true;
}

const char* ArgumentsAfterProgram(const char* commandLine, const char* programPath) {
    const char* at = SkipBlanks(commandLine);
    if (*at == '"') {
        const char* close = std::strchr(at + 1, '"');
        return SkipBlanks(close != nullptr ? close + 1 : at + std::strlen(at));
    }
    const size_t pathLength = std::strlen(programPath);
    if (pathLength > 0 && strncasecmp(at, programPath, pathLength) == 0 &&
        (at[pathLength] == '\0' || IsBlank(at[pathLength])))
        return SkipBlanks(at + pathLength);
    while (*at != '\0' && !IsBlank(*at))
        ++at;
    return SkipBlanks(at);
}

bool IsLogonStart(const char* commandLine, const char* programPath) {
    static const char kLogon[] = "/logon";
    const char* arguments = ArgumentsAfterProgram(commandLine, programPath);
    const size_t length = sizeof kLogon - 1;
    return std::strncmp(arguments, kLogon, length) == 0 &&
           (arguments[length] == '\0' || IsBlank(arguments[length]));
}
