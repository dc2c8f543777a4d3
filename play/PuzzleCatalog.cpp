#include "PuzzleCatalog.h"

#include "puzzle/BuiltInPuzzle.h"
#include "puzzle/PuzzleLibrary.h"

#include <filesystem>
#include <system_error>

namespace {

// Two names of the same file are the same file.
std::string Canonical(const std::string& path)
{
    std::error_code error;
    const std::filesystem::path canonical = std::filesystem::weakly_canonical(path, error);
    return error ? path : canonical.string();
}

} // namespace

CPuzzleCatalog::CPuzzleCatalog(const std::string& shippedFolder) : m_shippedFolder(shippedFolder)
{
    for (const CPuzzleEntry& entry : PuzzleEntries(shippedFolder)) {
        if (entry.m_path.empty()) {
            m_entries.push_back({std::make_shared<CPuzzle>(BuiltInPuzzle()), entry.m_name, "", nullptr});
            continue;
        }
        const CPuzzleReading reading = ReadPuzzleFile(entry.m_path);
        if (reading.IsRead())
            m_entries.push_back(
                {std::make_shared<CPuzzle>(reading.Puzzle()), entry.m_name, Canonical(entry.m_path), nullptr});
    }
}

std::shared_ptr<const CPuzzle> CPuzzleCatalog::SharedPuzzleAt(int index) const
{
    return m_entries.at(static_cast<std::size_t>(index)).m_puzzle;
}

std::shared_ptr<const CPuzzleSolution> CPuzzleCatalog::SolutionAt(int index)
{
    CEntry& entry = m_entries.at(static_cast<std::size_t>(index));
    if (entry.m_solution == nullptr)
        entry.m_solution = index == BUILT_IN ? std::shared_ptr<const CPuzzleSolution>(&BuiltInSolution(), [](auto*) {})
                                             : std::make_shared<CPuzzleSolution>(*entry.m_puzzle);
    return entry.m_solution;
}

bool CPuzzleCatalog::Choose(int index)
{
    if (index < 0 || index >= Count() || index == m_chosen)
        return false;
    m_chosen = index;
    return true;
}

int CPuzzleCatalog::IndexOfFile(const std::string& path) const
{
    const std::string canonical = Canonical(path);
    for (int index = 0; index < Count(); ++index) {
        if (!m_entries[static_cast<std::size_t>(index)].m_path.empty() &&
            m_entries[static_cast<std::size_t>(index)].m_path == canonical)
            return index;
    }
    return -1;
}

CPuzzleReading CPuzzleCatalog::Open(const std::string& path)
{
    CPuzzleReading reading = ReadPuzzleFile(path);
    if (!reading.IsRead())
        return reading;
    CEntry entry{std::make_shared<CPuzzle>(reading.Puzzle()), "", Canonical(path), nullptr};
    const int known = IndexOfFile(path);
    if (known >= 0) {
        m_entries[static_cast<std::size_t>(known)] = std::move(entry);
        m_chosen = known;
    } else {
        m_entries.push_back(std::move(entry));
        m_chosen = Count() - 1;
    }
    return reading;
}

CPuzzleReading CPuzzleCatalog::OpenNamed(const std::string& fileOrName)
{
    if (!IsPuzzleName(fileOrName))
        return Open(fileOrName);
    for (int index = 0; index < Count(); ++index) {
        if (m_entries[static_cast<std::size_t>(index)].m_name == fileOrName) {
            m_chosen = index;
            return CPuzzleReading(PuzzleAt(index));
        }
    }
    // No such name: the reading says which names there are.
    return OpenPuzzle(fileOrName, m_shippedFolder);
}
