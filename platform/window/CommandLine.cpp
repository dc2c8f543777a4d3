#include "CommandLine.h"

#include "platform/ArgumentEcho.h"
#include "platform/FlushOutput.h"
#include "platform/VersionText.h"
#include "platform/window/Resources.h"

#include <string>

namespace {

// The toolkit's own options (with one dash or two), which it takes out of
// the command line itself; those marked take the next argument as a value.
struct CToolkitOption {
    const char* m_name;
    bool m_takesValue;
};

constexpr CToolkitOption TOOLKIT_OPTIONS[] = {
    {"platform", true},
    {"platformpluginpath", true},
    {"platformtheme", true},
    {"plugin", true},
    {"qwindowgeometry", true},
    {"qwindowicon", true},
    {"qwindowtitle", true},
    {"session", true},
    {"display", true},
    {"geometry", true},
    {"name", true},
    {"title", true},
    {"visual", true},
    {"style", true},
    {"stylesheet", true},
    {"reverse", false},
    {"widgetcount", false},
    {"nograb", false},
    {"dograb", false},
    {"sync", false},
};

const CToolkitOption* FindToolkitOption(const std::string& name)
{
    // "-style=fusion" carries its value.
    const std::string key = name.substr(0, name.find('='));
    for (const CToolkitOption& option : TOOLKIT_OPTIONS) {
        if (key == option.m_name)
            return &option;
    }
    return nullptr;
}

std::string VersionText()
{
    const CResourceModule* module = AfxGetResourceModule();
    return module != nullptr && module->m_version != nullptr ? FileVersionText(*module->m_version) : "unknown";
}

// The status of an answer written to out: 0, or 1 when it could not all be
// written.
int FinishAnswer(const std::string& program, std::FILE* out, std::FILE* err)
{
    return FlushOutput(out, program, err) ? 0 : 1;
}

} // namespace

std::string ProgramName(const char* argv0)
{
    const std::string path = argv0 != nullptr ? argv0 : "";
    const std::size_t slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

std::optional<int> AnswerCommandLine(int argc, char* argv[], std::FILE* out, std::FILE* err,
                                     std::span<const CProgramOption> options, CProgramValues* values)
{
    const std::string program = ProgramName(argc > 0 ? argv[0] : nullptr);
    for (int i = 1; i < argc; ++i) {
        const std::string argument = argv[i];
        if (argument == "--help" || argument == "-h") {
            const char* name = AfxFindVersionString("InternalName");
            std::string synopsis;
            std::string lines;
            for (const CProgramOption& option : options) {
                const std::string usage = std::string(option.m_name) + " " + option.m_valueName;
                synopsis += " [" + usage + "]";
                lines += "  " + usage + std::string(usage.size() < 13 ? 13 - usage.size() : 1, ' ') + "  " +
                         option.m_help + "\n";
            }
            std::fprintf(out,
                         "Usage: %s [--help] [--version]%s\n"
                         "Opens the %s window. Besides these, it takes only the Qt toolkit's own\n"
                         "options, such as -platform NAME or -style NAME.\n"
                         "\n"
                         "  -h, --help     show this help and exit\n"
                         "      --version  show the version and exit\n"
                         "%s",
                         program.c_str(), synopsis.c_str(), name != nullptr ? name : program.c_str(), lines.c_str());
            return FinishAnswer(program, out, err);
        }
        if (argument == "--version") {
            std::fputs(VersionLine(program, "", VersionText()).c_str(), out);
            return FinishAnswer(program, out, err);
        }
    }
    for (int i = 1; i < argc; ++i) {
        const std::string argument = argv[i];
        const std::string key = argument.substr(0, argument.find('='));
        const CProgramOption* own = nullptr;
        for (const CProgramOption& option : options)
            own = key == option.m_name ? &option : own;
        if (own != nullptr) {
            const bool attached = key != argument;
            if (!attached && i + 1 == argc) {
                std::fprintf(err, "%s: option '%s' needs %s; try '%s --help'\n", program.c_str(), own->m_name,
                             own->m_valueName, program.c_str());
                return 2;
            }
            const std::string value = attached ? argument.substr(key.size() + 1) : argv[++i];
            if (values != nullptr)
                (*values)[own->m_name] = value;
            continue;
        }
        const std::size_t dashes = argument.rfind("--", 0) == 0 ? 2 : argument.rfind('-', 0) == 0 ? 1 : 0;
        const CToolkitOption* option = dashes > 0 ? FindToolkitOption(argument.substr(dashes)) : nullptr;
        if (option == nullptr) {
            std::fprintf(err, "%s: unknown %s '%s'; try '%s --help'\n", program.c_str(),
                         dashes > 0 ? "option" : "argument", EchoedArgument(argument).c_str(), program.c_str());
            return 2;
        }
        if (option->m_takesValue && argument.find('=') == std::string::npos)
            ++i;
    }
    return std::nullopt;
}
