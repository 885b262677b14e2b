#pragma once

#include <QTranslator>

#include "app/Language.h"

// Puts the window's texts into a language for as long as it lives; build it after the
// QApplication and before the window. Chinese needs no translation, the sources are Chinese.
class LanguageScope {
public:
    explicit LanguageScope(Language language);
    ~LanguageScope();
    LanguageScope(const LanguageScope&) = delete;
    LanguageScope& operator=(const LanguageScope&) = delete;

    // False when the language needed a translation and it could not be loaded.
    bool Ok() const { return m_ok; }

private:
    QTranslator m_translator;
    bool m_installed = false;
    bool m_ok = true;
};
