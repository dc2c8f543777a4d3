#include "VersionText.h"

std::string DottedVersion(unsigned major, unsigned minor, unsigned patch, unsigned tweak)
{
    return std::to_string(major) + "." + std::to_string(minor) + "." + std::to_string(patch) + "." +
           std::to_string(tweak);
}

std::string VersionLine(std::string_view program, std::string_view package, std::string_view version)
{
    std::string line(program);
    if (!package.empty())
        line.append(" (").append(package).append(")");
    return line.append(" ").append(version).append("\n");
}
