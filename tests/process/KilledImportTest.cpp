// An import of a whole card over another, killed at random moments: once the next command has
// run, the card is wholly the one or wholly the other, every time.
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <iostream>
#include <map>
#include <random>
#include <thread>

#include "Child.h"
#include "Labelled.h"
#include "core/card/CardFiles.h"
#include "core/dates/SpecialDateFile.h"
#include "support/TempFolder.h"

namespace proctest {
namespace {

using Files = std::vector<std::optional<std::vector<std::uint8_t>>>;

// All 16 files, each different for each `variant`, written through the store.
void LayCard(const std::string& folder, int variant) {
    for (const core::CardFileId id : core::AllCardFiles()) {
        const std::string path = core::CardFilePath(folder, id.kind, id.program);
        if (core::HoldsTimers(id.kind)) {
            ASSERT_TRUE(LayProgram(core::SystemFileSystem(), path, 2 + variant + id.program).ok()) << path;
        } else {
            const std::vector<core::SpecialDate> dates(static_cast<std::size_t>(3 + variant + id.program),
                                                       {static_cast<std::uint8_t>(1 + variant), 1});
            ASSERT_TRUE(core::WriteDateFile(core::SystemFileSystem(), path, dates).ok()) << path;
        }
    }
}

Files FilesOf(const std::string& folder) {
    Files files;
    for (const core::CardFileId id : core::AllCardFiles()) {
        files.push_back(testsupport::ReadFileBytes(core::CardFilePath(folder, id.kind, id.program)));
    }
    return files;
}

// How long one whole import takes here, from an importer left to run two: under wine it is many
// times as long as on Linux, and the kills must fall inside imports on both.
std::chrono::microseconds OneImport(const std::vector<std::string>& arguments) {
    Child importer(arguments);
    EXPECT_EQ(importer.ReadLine(), "ready");
    EXPECT_EQ(importer.ReadLine(), "import 0");
    const auto start = std::chrono::steady_clock::now();
    EXPECT_EQ(importer.ReadLine(), "import 1");
    EXPECT_EQ(importer.ReadLine(), "import 2");
    const auto took = std::chrono::steady_clock::now() - start;
    importer.Kill();
    static_cast<void>(importer.Wait());
    return std::chrono::duration_cast<std::chrono::microseconds>(took / 2);
}

TEST(KilledImport, TheNextCommandLeavesTheCardWhollyOneOrTheOther) {
    constexpr int kKills = 30;
    testsupport::TempFolder first, second, card, root;
    LayCard(first.path(), 0);
    LayCard(second.path(), 1);
    LayCard(card.path(), 0);
    const Files firstFiles = FilesOf(first.path()), secondFiles = FilesOf(second.path());
    for (std::size_t k = 0; k < firstFiles.size(); ++k) ASSERT_NE(firstFiles[k], secondFiles[k]) << k;
    std::mt19937_64 random(2028);
    std::map<std::string, int> said;  // what the next command said, how often
    int mixed = 0;                    // kills that left the card part one, part the other
    const std::vector<std::string> churn{"import-churn", card.path(), root.path(), first.path(), second.path()};
    // Kills fall before, in and after the first few imports.
    const auto window = std::max<std::int64_t>(3 * OneImport(churn).count(), 1000);

    for (int kill = 0; kill < kKills; ++kill) {
        SCOPED_TRACE("kill " + std::to_string(kill));
        {
            Child importer(churn);
            ASSERT_EQ(importer.ReadLine(), "ready");
            std::this_thread::sleep_for(std::chrono::microseconds(random() % static_cast<std::uint64_t>(window)));
            importer.Kill();
            ASSERT_EQ(importer.Wait(), Killed()) << importer.ReadAll();
        }
        const Files left = FilesOf(card.path());
        if (left != firstFiles && left != secondFiles) ++mixed;

        Child next({"settle", card.path(), root.path()});
        const std::string words = next.ReadAll();
        ASSERT_EQ(next.Wait(), Exited(0)) << words;
        ++said[words.substr(0, words.find('\n'))];
        EXPECT_EQ(words.find("left "), std::string::npos) << words;
        const Files now = FilesOf(card.path());
        ASSERT_TRUE(now == firstFiles || now == secondFiles) << "what the next command said: " << words;
        if (left != firstFiles && left != secondFiles) {
            EXPECT_NE(words, "none\n") << "a half-written card was not said";
        }
    }
    std::cout << "kills " << kKills << ", of which " << mixed << " left the card half-written; the next command said:";
    for (const auto& [words, times] : said) std::cout << " " << words << " " << times;
    std::cout << "\n";
    EXPECT_GT(mixed, 0) << "no kill fell inside an import";
}

}  // namespace
}  // namespace proctest
