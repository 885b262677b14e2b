#include "app/Translation.h"

#include <QCoreApplication>

LanguageScope::LanguageScope(Language language) {
    if (language == Language::Chinese) return;
    // Built into the program by qt_add_translations.
    m_ok = m_translator.load(QStringLiteral(":/i18n/tavrel_en.qm"));
    if (m_ok) m_installed = QCoreApplication::installTranslator(&m_translator);
    m_ok = m_installed;
}

LanguageScope::~LanguageScope() {
    if (m_installed) QCoreApplication::removeTranslator(&m_translator);
}
