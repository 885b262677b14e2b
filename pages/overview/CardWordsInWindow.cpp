#include "pages/overview/CardWordsInWindow.h"

#include <QCoreApplication>
#include <string>

#include "core/text/CardWords.h"
#include "core/text/ProgramNames.h"

namespace pages {

core::cardjson::WordLookup CardWordsInWindow() {
    core::cardjson::WordLookup words;
    words.word = [](std::string_view key) {
        const std::string text(core::CardWord(key));
        return QCoreApplication::translate("CardWords", text.c_str()).toStdString();
    };
    words.program = [](int program) {
        return QCoreApplication::translate("Program", core::ProgramName(program)).toStdString();
    };
    return words;
}

}  // namespace pages
