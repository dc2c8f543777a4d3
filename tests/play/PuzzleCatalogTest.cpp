// The puzzles a player chooses from: the built-in one, the shipped ones by
// name, then files opened, each once however it is named, a shipped one by
// its name or its file alike; a file that cannot be used changes nothing.
#include "play/PuzzleCatalog.h"

#include "TempFolder.h"
#include "TestPuzzles.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

namespace {

TEST(PuzzleCatalogTest, TheBuiltInShippedAndOpenedPuzzlesInTheirOrder)
{
    CPuzzleCatalog catalog(ShippedPuzzlesFolder());
    const std::vector<std::string> shipped = {"Torvalyパズル",      "大人と子ども", "農夫と食物連鎖",
                                              "三組の夫婦",         "家族と荷物",   "五組の夫婦",
                                              "宣教師と人食い人種", "夜の四人",     "オオカミとヤギとキャベツ"};
    ASSERT_EQ(catalog.Count(), static_cast<int>(shipped.size()));
    for (int index = 0; index < catalog.Count(); ++index)
        EXPECT_EQ(catalog.PuzzleAt(index).m_title, shipped[static_cast<std::size_t>(index)]);
    EXPECT_EQ(catalog.Chosen(), CPuzzleCatalog::BUILT_IN);
    EXPECT_EQ(catalog.SolutionAt(CPuzzleCatalog::BUILT_IN)->FewestTrips(), 23);
    EXPECT_FALSE(catalog.Choose(catalog.Count()));
    EXPECT_TRUE(catalog.Choose(8));
    EXPECT_EQ(catalog.SolutionAt(8)->FewestTrips(), 7);

    const CTempFolder folder;
    const std::string path = folder.Write("apart.crossing.toml", KeptApartPuzzleText(false));
    const std::string broken = folder.Write("broken.crossing.toml", "seats = 9\n");
    const std::string wolf = ShippedPuzzlesFolder() + "/wolf.crossing.toml";
    struct CStep {
        std::string m_fileOrName;
        bool m_read;
        int m_chosen;
        int m_count;
    };
    const CStep steps[] = {
        {path, true, 9, 10},
        {broken, false, 9, 10},
        // The same file by another name: chosen again, not added.
        {folder.PathOf(".") + "/apart.crossing.toml", true, 9, 10},
        // A shipped puzzle by its file, then by its name: the same one.
        {wolf, true, 8, 10},
        {"torvaly", true, CPuzzleCatalog::BUILT_IN, 10},
        {"wolf", true, 8, 10},
        {"wolves", false, 8, 10},
    };
    for (const CStep& step : steps) {
        SCOPED_TRACE(step.m_fileOrName);
        const CPuzzleReading reading = catalog.Open(step.m_fileOrName);
        EXPECT_EQ(reading.IsRead(), step.m_read) << reading.Reason();
        EXPECT_EQ(catalog.Chosen(), step.m_chosen);
        EXPECT_EQ(catalog.Count(), step.m_count);
    }
    EXPECT_EQ(catalog.PuzzleAt(9).m_title, "apart");
    EXPECT_EQ(catalog.SolutionAt(9)->FewestTrips(), 3);
}

// The shipped puzzles kept as texts in memory, as the web page keeps them,
// are the folder's, by the same names; a file given by its text alone is
// another puzzle, even under a shipped one's file name, and the same one
// when given again.
TEST(PuzzleCatalogTest, ShippedTextsInMemoryAreTheFolderFilesAndGivenFilesAreTheirOwn)
{
    const CPuzzleCatalog files(ShippedPuzzlesFolder());
    std::vector<CPuzzleFileText> texts;
    for (const CPuzzleEntry& entry : CShippedPuzzles(ShippedPuzzlesFolder()).Entries()) {
        std::ostringstream text;
        text << std::ifstream(entry.m_path).rdbuf();
        texts.push_back({entry.m_name + ".crossing.toml", text.str()});
    }
    CPuzzleCatalog memory(CShippedPuzzles::InMemory(texts));
    ASSERT_EQ(memory.Count(), files.Count());
    for (int index = 0; index < files.Count(); ++index) {
        EXPECT_EQ(memory.EntryAt(index).m_name, files.EntryAt(index).m_name);
        EXPECT_EQ(memory.PuzzleAt(index), files.PuzzleAt(index));
    }
    EXPECT_TRUE(memory.Open("wolf").IsRead());
    EXPECT_EQ(memory.Chosen(), 8);

    const CPuzzleFileText& wolf = texts.back(); // the last by name
    for (int time = 0; time < 2; ++time) {
        memory.Keep(ReadGivenFile(wolf.m_file, wolf.m_text));
        EXPECT_EQ(memory.Count(), files.Count() + 1);
        EXPECT_EQ(memory.Chosen(), files.Count());
        EXPECT_EQ(memory.PuzzleAt(memory.Chosen()), memory.PuzzleAt(8));
    }
}

} // namespace
