// Command lines: building one with a quoted program path, and finding the arguments in one
// whose program path may or may not be quoted.
#pragma once

#include <cstddef>

// Writes "\"<program>\"" followed by " <arguments>" when arguments is not empty into out (size
// bytes). A path with spaces is only read as one word when quoted. False, with out empty, when
// the result does not fit or the path holds a quote.
bool QuotedCommandLine(const char* program, const char* arguments, char* out, size_t size);

// The arguments after the program's own path in commandLine: the path is either quoted, or
// written out unquoted as programPath (spaces and all, as an older logon value holds it), or
// else it is the first word. Leading blanks of the result are skipped.
const char* ArgumentsAfterProgram(const char* commandLine, const char* programPath);

// True when the first argument after the program's path is "/logon".
bool IsLogonStart(const char* commandLine, const char* programPath);
