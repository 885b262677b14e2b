// The child process itself: its arguments arrive as they were given, however they have to be
// quoted on the way, and Wait tells how it ended.
#include <gtest/gtest.h>

#include "Child.h"

namespace proctest {
namespace {

TEST(Child, EveryArgumentArrivesUnchanged) {
    const std::vector<std::string> words = {
        "plain",
        "two words",
        "",
        "tab\there",
        "say \"hi\"",
        "\"",
        R"(C:\folder\)",
        "dir/name",
        R"(C:\my folder\)",                         // backslashes before the closing quote
        R"(a\\"b c)",                               // backslashes before a quote inside one
        R"(\\server\share\x)",                      // backslashes that no quote follows stay as they are
        "*.DAT",                                    // no wildcard expansion
        "Z\xC3\xBCrich \xE2\x9C\x93 \xE4\xB8\xAD",  // UTF-8, as paths are
    };
    std::vector<std::string> args{"echo"};
    args.insert(args.end(), words.begin(), words.end());
    Child echo(args);
    std::string expected;
    for (const std::string& word : words) expected += word + "\n";
    EXPECT_EQ(echo.ReadAll(), expected);
    EXPECT_EQ(echo.Wait(), Exited(0));
}

TEST(Child, WaitGivesTheExitCode) {
    struct Case {
        std::vector<std::string> args;
        Ending ending;
    };
    const Case cases[] = {
        {{"echo"}, Exited(0)}, {{"no-such-command"}, Exited(2)},  // prints its usage on the error output
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.args[0]);
        Child child(c.args);
        child.ReadAll();
        EXPECT_EQ(child.Wait(), c.ending);
        EXPECT_EQ(child.Wait(), c.ending) << "asked again";
    }
}

}  // namespace
}  // namespace proctest
