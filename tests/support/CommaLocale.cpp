#include "CommaLocale.h"

#include <clocale>
#include <cstdlib>
#include <filesystem>
#include <locale.h>
#include <system_error>

namespace {

constexpr const char* COMMA_LOCALE = "de_DE.UTF-8";

bool HasCommaLocale()
{
    locale_t locale = newlocale(LC_ALL_MASK, COMMA_LOCALE, static_cast<locale_t>(0));
    if (locale == static_cast<locale_t>(0))
        return false;
    freelocale(locale);
    return true;
}

CCommaLocale FindCommaLocale()
{
    CCommaLocale locale;
    locale.m_name = COMMA_LOCALE;
    if (HasCommaLocale())
        return locale;
    const std::filesystem::path folder = TORVALY_COMMA_LOCALE_FOLDER;
    std::error_code ignored;
    if (!std::filesystem::exists(folder / COMMA_LOCALE / "LC_NUMERIC", ignored)) {
        locale.m_error = std::string(COMMA_LOCALE) + " is neither installed nor compiled into " + folder.string() +
                         ": run the test comma_locale first (ctest -R comma_locale)";
        return locale;
    }
    locale.m_locPath = folder.string();
    return locale;
}

} // namespace

std::vector<std::string> CCommaLocale::Environment() const
{
    std::vector<std::string> entries = {"LC_ALL=" + m_name};
    if (!m_locPath.empty())
        entries.push_back("LOCPATH=" + m_locPath);
    return entries;
}

const CCommaLocale& CommaLocale()
{
    static const CCommaLocale s_locale = FindCommaLocale();
    return s_locale;
}

std::string SetCommaLocale()
{
    const CCommaLocale& locale = CommaLocale();
    if (!locale.m_error.empty())
        return locale.m_error;
    // setlocale reads LOCPATH when it loads a locale. It is unset again at
    // once: with LOCPATH set the C library ignores the system's locales,
    // which would change the environment of programs the tests start.
    const char* const before = std::getenv("LOCPATH");
    const std::string saved = before != nullptr ? before : "";
    if (!locale.m_locPath.empty())
        setenv("LOCPATH", locale.m_locPath.c_str(), 1);
    const bool set = std::setlocale(LC_ALL, locale.m_name.c_str()) != nullptr;
    if (before != nullptr)
        setenv("LOCPATH", saved.c_str(), 1);
    else
        unsetenv("LOCPATH");
    if (!set)
        return "setlocale refused " + locale.m_name;
    const std::string point = std::localeconv()->decimal_point;
    if (point != ",")
        return locale.m_name + " writes decimals with '" + point + "'";
    return {};
}
