#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

// The languages the window speaks. The texts in the sources are Chinese; English comes from the
// translation built into the program.
enum class Language { Chinese, English };

// "zh" or "en", as --lang takes them; nothing for any other word.
std::optional<Language> LanguageNamed(std::string_view name);

// The window's language: the one asked for on the command line if any; otherwise English when
// the locale of messages is English ("en", "en_GB.UTF-8"), Chinese for every other locale,
// "C" and "POSIX" included. The locale is the first of LC_ALL, LC_MESSAGES and LANG that is set
// and not empty, as POSIX reads them; each may be null (not set).
Language ChooseLanguage(std::optional<Language> asked, const char* lcAll, const char* lcMessages,
                        const char* lang);

// What the window's command line asks for.
struct StartOptions {
    std::optional<Language> language;  // --lang zh|en
    bool quitAfterStart = false;       // --quit-after-start: show the window, then close it at once
};

// The options in `args` (without the program name), or the line that says what is wrong.
std::variant<StartOptions, std::string> ParseStartOptions(const std::vector<std::string_view>& args);

// The usage line of the window program.
std::string StartUsage(std::string_view program);
