// A program's version as both programs show it, built in one place: the
// version numbers joined by dots, and the line that --version writes.
#pragma once

#include <string>
#include <string_view>

// "1.0.0.1".
std::string DottedVersion(unsigned major, unsigned minor, unsigned patch, unsigned tweak);

// "PROGRAM VERSION", or "PROGRAM (PACKAGE) VERSION" when package is not
// empty, then a newline.
std::string VersionLine(std::string_view program, std::string_view package, std::string_view version);
