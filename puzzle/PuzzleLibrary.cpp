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

CShippedPuzzles CShippedPuzzles::InMemory(std::vector<CPuzzleFileText> files)
{
    CShippedPuzzles shipped;
    shipped.m_inMemory = true;
    shipped.m_files = std::move(files);
    return shipped;
}

std::vector<CPuzzleEntry> CShippedPuzzles::Entries() const
{
    std::vector<CPuzzleEntry> entries;
    const auto add = [&entries](const std::string& file, const std::string& path) {
        const std::string name = PuzzleFileStem(file);
        if (file.ends_with(PUZZLE_FILE_SUFFIX) && IsPuzzleName(name) && name != BUILT_IN_PUZZLE_NAME)
            entries.push_back({name, path});
    };
    if (m_inMemory) {
        for (const CPuzzleFileText& file : m_files)
            add(file.m_file, "");
    } else {
        std::error_code error;
        for (const std::filesystem::directory_entry& entry : std::filesystem::directory_iterator(m_folder, error))
            add(entry.path().filename().string(), entry.path().string());
    }
    std::sort(entries.begin(), entries.end(),
              [](const CPuzzleEntry& a, const CPuzzleEntry& b) { return a.m_name < b.m_name; });
    return entries;
}

CPuzzleReading CShippedPuzzles::Read(const CPuzzleEntry& entry) const
{
    if (!entry.m_path.empty())
        return ReadPuzzleFile(entry.m_path);
    for (const CPuzzleFileText& file : m_files) {
        if (PuzzleFileStem(file.m_file) == entry.m_name)
            return ReadPuzzleText(file.m_text, file.m_file, entry.m_name);
    }
    std::vector<std::string> names;
    for (const CPuzzleEntry& shipped : Entries())
        names.push_back(shipped.m_name);
    return CPuzzleReading(entry.m_name, 0, 0, {ReadingFault::NO_SUCH_NAME, {names}});
}

std::vector<CPuzzleEntry> PuzzleEntries(const CShippedPuzzles& shipped)
{
    std::vector<CPuzzleEntry> entries = shipped.Entries();
    entries.insert(entries.begin(), {BUILT_IN_PUZZLE_NAME, ""});
    return entries;
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

CFoundPuzzle ReadPuzzleEntry(const CPuzzleEntry& entry, const CShippedPuzzles& shipped)
{
    if (entry.m_path.empty() && entry.m_name == BUILT_IN_PUZZLE_NAME)
        return {entry, CPuzzleReading(BuiltInPuzzle())};
    const std::string path = entry.m_path.empty() ? "" : Canonical(entry.m_path);
    return {{entry.m_name, path}, shipped.Read(entry)};
}

CFoundPuzzle FindNamedPuzzle(std::string_view name, const CShippedPuzzles& shipped)
{
    const std::vector<CPuzzleEntry> entries = PuzzleEntries(shipped);
    for (const CPuzzleEntry& entry : entries) {
        if (IsPuzzleName(name) && entry.m_name == name)
            return ReadPuzzleEntry(entry, shipped);
    }
    std::vector<std::string> known;
    for (const CPuzzleEntry& entry : entries)
        known.push_back(entry.m_name);
    return {{}, CPuzzleReading(std::string(name), 0, 0, {ReadingFault::NO_SUCH_NAME, {known}})};
}

CFoundPuzzle FindPuzzle(std::string_view fileOrName, const CShippedPuzzles& shipped)
{
    if (IsPuzzleName(fileOrName))
        return FindNamedPuzzle(fileOrName, shipped);
    const std::string path = Canonical(std::string(fileOrName));
    std::string name;
    for (const CPuzzleEntry& entry : shipped.Entries()) {
        if (!entry.m_path.empty() && Canonical(entry.m_path) == path)
            name = entry.m_name;
    }
    return {{name, path}, ReadPuzzleFile(std::string(fileOrName))};
}

CPuzzleReading OpenPuzzle(std::string_view fileOrName, const CShippedPuzzles& shipped)
{
    return FindPuzzle(fileOrName, shipped).m_reading;
}

CFoundPuzzle ReadGivenFile(const std::string& file, std::string_view text)
{
    return {{"", file}, ReadPuzzleFileText(text, file)};
}
