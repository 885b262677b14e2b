#include <gtest/gtest.h>

#include "app/Language.h"

namespace {

struct LocaleCase {
    const char* name;
    std::optional<Language> asked;
    const char* lcAll;
    const char* lcMessages;
    const char* lang;
    Language expected;
};

// nullptr is a variable that is not set; "" one that is set but empty.
const LocaleCase kLocaleCases[] = {
    {"nothing set", std::nullopt, nullptr, nullptr, nullptr, Language::Chinese},
    {"English LANG", std::nullopt, nullptr, nullptr, "en_US.UTF-8", Language::English},
    {"bare en", std::nullopt, nullptr, nullptr, "en", Language::English},
    {"en with a modifier", std::nullopt, nullptr, nullptr, "en@quot", Language::English},
    {"en with a code set only", std::nullopt, nullptr, nullptr, "en.UTF-8", Language::English},
    {"British English in LC_MESSAGES", std::nullopt, nullptr, "en_GB.UTF-8", nullptr, Language::English},
    {"C", std::nullopt, nullptr, nullptr, "C", Language::Chinese},
    {"C.UTF-8", std::nullopt, nullptr, nullptr, "C.UTF-8", Language::Chinese},
    {"POSIX", std::nullopt, "POSIX", nullptr, "en_US.UTF-8", Language::Chinese},
    {"German", std::nullopt, nullptr, nullptr, "de_DE.UTF-8", Language::Chinese},
    {"Chinese", std::nullopt, nullptr, nullptr, "zh_CN.UTF-8", Language::Chinese},
    {"a name that only starts with en", std::nullopt, nullptr, nullptr, "eng", Language::Chinese},
    {"LC_ALL before the others", std::nullopt, "en_US.UTF-8", "zh_CN.UTF-8", "zh_CN.UTF-8",
     Language::English},
    {"LC_ALL Chinese over English LANG", std::nullopt, "zh_TW.UTF-8", nullptr, "en_US.UTF-8",
     Language::Chinese},
    {"LC_MESSAGES before LANG", std::nullopt, nullptr, "de_DE.UTF-8", "en_US.UTF-8", Language::Chinese},
    {"empty LC_ALL is passed over", std::nullopt, "", nullptr, "en_US.UTF-8", Language::English},
    {"empty LC_MESSAGES is passed over", std::nullopt, "", "", "en_AU.UTF-8", Language::English},
    {"--lang zh over English locale", Language::Chinese, "en_US.UTF-8", nullptr, nullptr, Language::Chinese},
    {"--lang en over C", Language::English, "C", nullptr, "C", Language::English},
};

TEST(ChooseLanguage, FollowsTheCommandLineThenTheLocaleOfMessages) {
    for (const LocaleCase& c : kLocaleCases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(ChooseLanguage(c.asked, c.lcAll, c.lcMessages, c.lang), c.expected);
    }
}

struct ArgumentCase {
    std::vector<std::string_view> args;
    std::optional<Language> language;  // what they ask for when they are valid
    bool quitAfterStart;
    bool valid;
};

TEST(ParseStartOptions, AcceptsTheLanguageAndTheStartCheckOnly) {
    const ArgumentCase cases[] = {
        {{}, std::nullopt, false, true},
        {{"--lang", "en"}, Language::English, false, true},
        {{"--lang=zh"}, Language::Chinese, false, true},
        {{"--quit-after-start", "--lang", "zh"}, Language::Chinese, true, true},
        {{"--lang"}, std::nullopt, false, false},
        {{"--lang", "fr"}, std::nullopt, false, false},
        {{"--lang=EN"}, std::nullopt, false, false},
        {{"--lang="}, std::nullopt, false, false},
        {{"/media/sd"}, std::nullopt, false, false},
        {{"-platform", "offscreen"}, std::nullopt, false, false},
    };
    for (const ArgumentCase& c : cases) {
        std::string line;
        for (std::string_view arg : c.args) line += std::string(arg) + ' ';
        SCOPED_TRACE(line);
        const auto parsed = ParseStartOptions(c.args);
        ASSERT_EQ(std::holds_alternative<StartOptions>(parsed), c.valid);
        if (!c.valid) {
            EXPECT_FALSE(std::get<std::string>(parsed).empty());
            continue;
        }
        EXPECT_EQ(std::get<StartOptions>(parsed).language, c.language);
        EXPECT_EQ(std::get<StartOptions>(parsed).quitAfterStart, c.quitAfterStart);
    }
}

}  // namespace
