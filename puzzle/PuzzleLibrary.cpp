#include "PuzzleLibrary.h"

#include "BuiltInPuzzle.h"
#include "platform/ArgumentEcho.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

std::string ShippedPuzzleFolder(const std::string& programPath)
{
    std::error_code error;
    const std::filesystem::path program = programPath.empty() ? std::filesystem::read_symlink("/proc/self/exe", error)
                                                              : std::filesystem::path(programPath);
    const std::filesystem::path shipped = std::filesystem::path("share") / "torvaly-puzzle" / "puzzles";
    // The nearest folder up from the program's that holds it: its prefix's
    // for an installed program, the build folder's for one in a build.
    for (std::filesystem::path folder = program.parent_path(); !folder.empty(); folder = folder.parent_path()) {
        if (std::filesystem::is_directory(folder / shipped, error))
            return (folder / shipped).string();
        if (folder == folder.parent_path())
            break;
    }
    return (program.parent_path().parent_path() / shipped).string();
}

std::vector<CPuzzleEntry> PuzzleEntries(const std::string& folder)
{
    std::vector<CPuzzleEntry> shipped;
    std::error_code error;
    for (const std::filesystem::directory_entry& entry : std::filesystem::directory_iterator(folder, error)) {
        const std::string file = entry.path().filename().string();
        const std::string name = PuzzleFileStem(file);
        if (file.ends_with(PUZZLE_FILE_SUFFIX) && IsPuzzleName(name) && name != BUILT_IN_PUZZLE_NAME)
            shipped.push_back({name, entry.path().string()});
    }
    std::sort(shipped.begin(), shipped.end(),
              [](const CPuzzleEntry& a, const CPuzzleEntry& b) { return a.m_name < b.m_name; });
    shipped.insert(shipped.begin(), {BUILT_IN_PUZZLE_NAME, ""});
    return shipped;
}

bool IsPuzzleName(std::string_view text)
{
    return !text.empty() && std::all_of(text.begin(), text.end(), [](char c) {
        return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '-';
    });
}

namespace {

// Two names of the same file are the same file.
std::string Canonical(const std::string& path)
{
    std::error_code error;
    const std::filesystem::path canonical = std::filesystem::weakly_canonical(path, error);
    return error ? path : canonical.string();
}

} // namespace

CFoundPuzzle ReadPuzzleEntry(const CPuzzleEntry& entry)
{
    if (entry.m_path.empty())
        return {entry, CPuzzleReading(BuiltInPuzzle())};
    return {{entry.m_name, Canonical(entry.m_path)}, ReadPuzzleFile(entry.m_path)};
}

CFoundPuzzle FindPuzzle(std::string_view fileOrName, const std::string& folder)
{
    const std::vector<CPuzzleEntry> entries = PuzzleEntries(folder);
    if (!IsPuzzleName(fileOrName)) {
        const std::string path = Canonical(std::string(fileOrName));
        std::string name;
        for (const CPuzzleEntry& entry : entries) {
            if (!entry.m_path.empty() && Canonical(entry.m_path) == path)
                name = entry.m_name;
        }
        return {{name, path}, ReadPuzzleFile(std::string(fileOrName))};
    }
    for (const CPuzzleEntry& entry : entries) {
        if (entry.m_name == fileOrName)
            return ReadPuzzleEntry(entry);
    }
    std::vector<std::string> known;
    for (const CPuzzleEntry& entry : entries)
        known.push_back(entry.m_name);
    return {{}, CPuzzleReading(std::string(fileOrName), 0, 0, {ReadingFault::NO_SUCH_NAME, {known}})};
}

CPuzzleReading OpenPuzzle(std::string_view fileOrName, const std::string& folder)
{
    return FindPuzzle(fileOrName, folder).m_reading;
}
