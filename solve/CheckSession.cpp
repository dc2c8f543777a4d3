#include "CheckSession.h"

#include "CheckReport.h"
#include "SolveSession.h"
#include "TripCheck.h"
#include "platform/ArgumentEcho.h"
#include "platform/FlushOutput.h"

#include <cerrno>
#include <cstring>
#include <memory>
#include <string>

namespace {

struct CFileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};

// ": reason", or nothing without one.
std::string Reason(int error)
{
    return error != 0 ? std::string(": ") + std::strerror(error) : std::string();
}

} // namespace

int RunCheckSession(const CSolveOptions& options, std::ostream& out, std::FILE* standardInput, std::FILE* errOut)
{
    const bool fromStandardInput = options.m_checkFile == "-";
    // Appended in steps: g++ 12 at -O3 wrongly warns of an overlapping copy
    // in "'" + a temporary string.
    const std::string name = fromStandardInput
                                 ? std::string("standard input")
                                 : std::string("'").append(EchoedArgument(options.m_checkFile)).append("'");
    std::unique_ptr<std::FILE, CFileCloser> file;
    if (!fromStandardInput) {
        errno = 0;
        file.reset(std::fopen(options.m_checkFile.c_str(), "rb"));
        if (file == nullptr) {
            std::fprintf(errOut, "%s: cannot open %s%s\n", SOLVE_PROGRAM_NAME, name.c_str(), Reason(errno).c_str());
            return EXIT_USAGE;
        }
    }

    CTripListReader reader(fromStandardInput ? standardInput : file.get());
    const CTripCheck check = CheckTrips(reader);
    if (check.m_outcome == CheckOutcome::UNREADABLE) {
        std::fprintf(errOut, "%s: line %d of %s: %s\n", SOLVE_PROGRAM_NAME, check.m_line, name.c_str(),
                     check.m_error.c_str());
        return EXIT_USAGE;
    }
    if (check.m_outcome == CheckOutcome::READ_FAILED) {
        std::fprintf(errOut, "%s: cannot read %s%s\n", SOLVE_PROGRAM_NAME, name.c_str(),
                     Reason(check.m_readError).c_str());
        return EXIT_USAGE;
    }

    errno = 0;
    if (options.m_json)
        WriteCheckJson(out, check);
    else
        WriteCheckReport(out, check);
    if (!FlushOutput(out, SOLVE_PROGRAM_NAME, errOut))
        return EXIT_WRITE_FAILED;
    return CheckExitStatus(check.m_outcome);
}
