#include "PuzzleCatalog.h"

#include "puzzle/BuiltInPuzzle.h"

CPuzzleCatalog::CPuzzleCatalog(CShippedPuzzles shipped) : m_shipped(std::move(shipped))
{
    for (const CPuzzleEntry& entry : PuzzleEntries(m_shipped)) {
        const CFoundPuzzle found = ReadPuzzleEntry(entry, m_shipped);
        if (found.m_reading.IsRead())
            m_entries.push_back({std::make_shared<CPuzzle>(found.m_reading.Puzzle()), found.m_entry, nullptr});
    }
}

std::shared_ptr<const CPuzzle> CPuzzleCatalog::SharedPuzzleAt(int index) const
{
    return m_entries.at(static_cast<std::size_t>(index)).m_puzzle;
}

const CPuzzleEntry& CPuzzleCatalog::EntryAt(int index) const
{
    return m_entries.at(static_cast<std::size_t>(index)).m_entry;
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

int CPuzzleCatalog::IndexOf(const CPuzzleEntry& found) const
{
    for (int index = 0; index < Count(); ++index) {
        const CPuzzleEntry& entry = m_entries[static_cast<std::size_t>(index)].m_entry;
        const bool sameName = !found.m_name.empty() && entry.m_name == found.m_name;
        const bool sameFile = !found.m_path.empty() && entry.m_path == found.m_path;
        if (sameName || sameFile)
            return index;
    }
    return -1;
}

CPuzzleReading CPuzzleCatalog::Open(const std::string& fileOrName)
{
    CFoundPuzzle found = FindPuzzle(fileOrName, m_shipped);
    Keep(found);
    return std::move(found.m_reading);
}

void CPuzzleCatalog::Keep(const CFoundPuzzle& found)
{
    if (!found.m_reading.IsRead())
        return;
    CEntry entry{std::make_shared<CPuzzle>(found.m_reading.Puzzle()), found.m_entry, nullptr};
    const int known = IndexOf(found.m_entry);
    if (known >= 0) {
        m_entries[static_cast<std::size_t>(known)] = std::move(entry);
        m_chosen = known;
    } else {
        m_entries.push_back(std::move(entry));
        m_chosen = Count() - 1;
    }
}
