#include "app/Language.h"

namespace {

bool IsSet(const char* value) { return value != nullptr && *value != '\0'; }

// "en" alone or followed by a territory, a code set or a modifier.
bool IsEnglishLocale(std::string_view locale) {
    if (!locale.starts_with("en")) return false;
    return locale.size() == 2 || locale[2] == '_' || locale[2] == '.' || locale[2] == '@';
}

}  // namespace

std::optional<Language> LanguageNamed(std::string_view name) {
    if (name == "zh") return Language::Chinese;
    if (name == "en") return Language::English;
    return std::nullopt;
}

Language ChooseLanguage(std::optional<Language> asked, const char* lcAll, const char* lcMessages,
                        const char* lang) {
    if (asked) return *asked;
    for (const char* locale : {lcAll, lcMessages, lang}) {
        if (IsSet(locale)) return IsEnglishLocale(locale) ? Language::English : Language::Chinese;
    }
    return Language::Chinese;
}

std::variant<StartOptions, std::string> ParseStartOptions(const std::vector<std::string_view>& args) {
    StartOptions options;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string_view arg = args[i];
        if (arg == "--quit-after-start") {
            options.quitAfterStart = true;
        } else if (arg == "--lang" || arg.starts_with("--lang=")) {
            const bool joined = arg != "--lang";
            if (!joined && i + 1 == args.size()) return std::string("--lang needs zh or en");
            const std::string_view name = joined ? arg.substr(7) : args[++i];
            options.language = LanguageNamed(name);
            if (!options.language) return "--lang takes zh or en, not '" + std::string(name) + "'";
        } else {
            return "unknown argument '" + std::string(arg) + "'";
        }
    }
    return options;
}

std::string StartUsage(std::string_view program) {
    return "usage: " + std::string(program) + " [--lang zh|en] [--quit-after-start]";
}
