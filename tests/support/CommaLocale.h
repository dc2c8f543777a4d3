// A locale that writes decimals with a comma, for checking that the program's
// own figures keep their decimal point whatever the user's locale.
#pragma once

#include <string>
#include <vector>

struct CCommaLocale {
    std::string m_name;    // for setlocale and LC_ALL
    std::string m_locPath; // the folder LOCPATH must name; empty for the system's own
    std::string m_error;   // why there is none; empty when there is
    // "NAME=value" entries that select the locale in a child process.
    std::vector<std::string> Environment() const;
};

// de_DE.UTF-8: the system's own when it is installed, otherwise the one that
// the test comma_locale compiled into the build folder (a CTest fixture, set
// up once per build folder by make-locale.sh). m_error says so when
// there is neither.
const CCommaLocale& CommaLocale();

// Makes the comma locale the C library's locale for every category, as the
// window toolkit does with the user's locale. Returns "" when the locale is
// in effect and its decimal point is a comma; otherwise the fault. Put the
// "C" locale back with setlocale(LC_ALL, "C").
std::string SetCommaLocale();
