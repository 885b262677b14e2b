// Under a file size limit (ulimit -f) a write past it raises SIGXFSZ, which kills the process in
// the middle of the write. With the signal ignored, as the window and the command line do at
// start-up, the write fails instead: the store reports a full disk and the file stays as it was.
#include <gtest/gtest.h>
#include <signal.h>

#include "Child.h"
#include "Labelled.h"
#include "support/TempFolder.h"

namespace proctest {
namespace {

struct LimitCase {
    const char* how;  // "append" writes in place, "rewrite" through a temporary file
    bool ignored;
};

const LimitCase kCases[] = {
    {"append", true},
    {"rewrite", true},
    {"append", false},
    {"rewrite", false},
};

TEST(FileSizeLimit, AWritePastItIsAFullDiskOnceTheSignalIsIgnored) {
    constexpr int kLimit = 16384;  // the file laid is about 6 KB; the timer written about 25 KB
    for (const LimitCase& c : kCases) {
        SCOPED_TRACE(std::string(c.how) + (c.ignored ? ", signal ignored" : ", signal as it comes"));
        testsupport::TempFolder folder;
        const std::string path = folder / "SCH01.DAT";
        ASSERT_TRUE(LayProgram(core::SystemFileSystem(), path, 2).ok());
        const auto before = testsupport::ReadFileBytes(path);

        Child writer({"limited", path, std::to_string(kLimit), c.ignored ? "1" : "0", c.how});
        const std::string said = writer.ReadAll();
        const Ending ending = writer.Wait();
        if (c.ignored) {
            ASSERT_EQ(ending, Exited(0)) << said;
            const std::string diskFull =
                " cause " + std::to_string(static_cast<int>(core::FileErrorCause::DiskFull));
            EXPECT_NE(said.find(diskFull), std::string::npos) << said;
            EXPECT_EQ(testsupport::ReadFileBytes(path), before);
            EXPECT_EQ(folder.Entries(), std::vector<std::string>{"SCH01.DAT"});
        } else {
            // Without the set-up the process dies in the write: what the test guards against.
            EXPECT_EQ(ending, Signalled(SIGXFSZ)) << said;
        }
    }
}

}  // namespace
}  // namespace proctest
