#include "FlushOutput.h"

#include <cerrno>
#include <cstring>
#include <string>

namespace {

void ReportLostOutput(std::string_view program, std::FILE* err, int error)
{
    const std::string name(program);
    std::fprintf(err, "%s: error writing standard output%s%s\n", name.c_str(), error != 0 ? ": " : "",
                 error != 0 ? std::strerror(error) : "");
}

} // namespace

bool FlushOutput(std::ostream& out, std::string_view program, std::FILE* err)
{
    out.flush();
    if (out.good())
        return true;
    // errno still holds the failed write's reason: once a stream has failed,
    // later output to it is skipped without a system call.
    ReportLostOutput(program, err, errno);
    return false;
}

bool FlushOutput(std::FILE* out, std::string_view program, std::FILE* err)
{
    // A write that already failed left its reason in errno; otherwise the
    // flush is the first write to the file.
    if (std::ferror(out) == 0) {
        errno = 0;
        if (std::fflush(out) == 0 && std::ferror(out) == 0)
            return true;
    }
    ReportLostOutput(program, err, errno);
    return false;
}
