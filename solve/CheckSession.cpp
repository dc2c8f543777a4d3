#include "CheckSession.h"

#include "CheckReport.h"
#include "ExitStatus.h"
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

// Why the list of trips named name could not be read: it could not be
// opened (no check), a line could not be read, or reading failed.
std::string ReadFailure(const std::string& name, const CTripCheck* check, int openError)
{
    if (check == nullptr)
        return "cannot open " + name + Reason(openError);
    if (check->m_outcome == CheckOutcome::UNREADABLE)
        return "line " + std::to_string(check->m_line) + " of " + name + ": " + check->m_error;
    return "cannot read " + name + Reason(check->m_readError);
}

} // namespace

int RunCheckSession(const CSolveOptions& options, const CPuzzleSolution& solution, std::ostream& out,
                    std::FILE* standardInput, std::FILE* errOut)
{
    const bool fromStandardInput = options.m_checkFile == "-";
    // Appended in steps: g++ 12 at -O3 wrongly warns of an overlapping copy
    // in "'" + a temporary string.
    const std::string name = fromStandardInput
                                 ? std::string("standard input")
                                 : std::string("'").append(EchoedArgument(options.m_checkFile)).append("'");
    const auto fail = [&](const std::string& failure) {
        std::fprintf(errOut, "%s: %s\n", SOLVE_PROGRAM_NAME, failure.c_str());
    };
    std::unique_ptr<std::FILE, CFileCloser> file;
    if (!fromStandardInput) {
        errno = 0;
        file.reset(std::fopen(options.m_checkFile.c_str(), "rb"));
        if (file == nullptr) {
            fail(ReadFailure(name, nullptr, errno));
            return EXIT_USAGE;
        }
    }

    CTripListReader reader(fromStandardInput ? standardInput : file.get(), solution.Puzzle());
    const CTripCheck check = CheckTrips(reader, solution);
    if (!check.IsReadable()) {
        fail(ReadFailure(name, &check, 0));
    } else {
        errno = 0;
        if (options.m_json)
            WriteCheckJson(out, solution.Puzzle(), check);
        else
            WriteCheckReport(out, solution.Puzzle(), check);
        if (!FlushOutput(out, SOLVE_PROGRAM_NAME, errOut))
            return EXIT_FAILED;
    }
    return CheckExitStatus(check.m_outcome);
}
