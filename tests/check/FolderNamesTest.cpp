// Music names against the names a card folder lists: case does not matter, anything else does.
#include <gtest/gtest.h>

#include "core/check/FolderNames.h"
#include "tests/card/NamedCases.h"

namespace {

using core::FolderNames;
using namedcases::PrintTo;

struct NameCase {
    const char* name;
    std::string inFolder;  // UTF-8
    std::u16string music;
    bool found;
};

const NameCase kNameCases[] = {
    {"Same", "bell.mp3", u"bell.mp3", true},
    {"AsciiCase", "Morning Bell.MP3", u"mORNING bELL.mp3", true},
    {"Chinese", "课间操.mp3", u"课间操.mp3", true},
    {"ChineseDiffers", "课间操.mp3", u"眼保健操.mp3", false},
    {"Latin1Case", "ÉTÉ.mp3", u"été.mp3", true},
    {"GreekCase", "ΑΛΦΑ.mp3", u"αλφα.mp3", true},
    {"CyrillicCase", "ЁЛКА.mp3", u"ёлка.mp3", true},
    {"FullWidthCase", "ＢＥＬＬ.mp3", u"ｂｅｌｌ.mp3", true},
    {"FullWidthIsNotAscii", "ＢＥＬＬ.mp3", u"BELL.mp3", false},
    {"OutsideTheBasicPlane", "\xF0\x9F\x8E\xB5.mp3", u"\U0001F3B5.mp3", true},
    {"ExtensionDiffers", "bell.mp3", u"bell.wav", false},
    {"PrefixIsNotTheName", "bell.mp3", u"bell", false},
    {"EmptyName", "bell.mp3", u"", false},
    {"BrokenUtf8MatchesNothingReal", "bell\xC3.mp3", u"bell\u00C3.mp3", false},
    {"LoneSurrogateMatchesNothing", "bell.mp3", std::u16string(u"bell") + char16_t(0xD800) + u".mp3", false},
};

class FolderNamesMatch : public ::testing::TestWithParam<NameCase> {};

TEST_P(FolderNamesMatch, IgnoresCaseOnly) {
    const NameCase& c = GetParam();
    const std::vector<std::string> folder = {"other.mp3", c.inFolder};
    EXPECT_EQ(FolderNames(folder).Contains(c.music), c.found);
}

INSTANTIATE_TEST_SUITE_P(Names, FolderNamesMatch, ::testing::ValuesIn(kNameCases), namedcases::kCaseName);

TEST(FolderNames, EmptyFolderHoldsNothing) { EXPECT_FALSE(FolderNames().Contains(u"a.mp3")); }

}  // namespace
