#include "shell/frame/UiLanguage.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QSettings>

#include "model/Messages.h"

namespace rungpad {

namespace {

const QString kLanguageKey = QStringLiteral("View/Language");

struct LanguageEntry {
    Language choice;
    const char* key;     // kept in the settings
    const char* locale;  // of the translation files; empty for Original
    const char* name;    // UTF-8, the menu's text
};

constexpr std::array<LanguageEntry, 3> kLanguages = {{
    {Language::Original, "original", "", "Original"},
    {Language::Chinese, "zh_CN", "zh_CN", "中文"},
    {Language::English, "en", "en", "English"},
}};

const LanguageEntry& EntryOf(Language choice) {
    for (const LanguageEntry& entry : kLanguages) {
        if (entry.choice == choice) {
            return entry;
        }
    }
    return kLanguages.front();
}

}  // namespace

UiLanguage::UiLanguage() = default;

UiLanguage::~UiLanguage() {
    Uninstall();
}

Language UiLanguage::Saved() {
    const QString kept = QSettings().value(kLanguageKey).toString();
    for (const LanguageEntry& entry : kLanguages) {
        if (kept == QLatin1String(entry.key)) {
            return entry.choice;
        }
    }
    return Language::Original;
}

QString UiLanguage::MenuText(Language choice) {
    return QString::fromUtf8(EntryOf(choice).name);
}

bool UiLanguage::Apply(Language choice) {
    Uninstall();
    m_current = Language::Original;
    const LanguageEntry& entry = EntryOf(choice);
    bool loaded = true;
    if (choice != Language::Original) {
        const QString locale = QLatin1String(entry.locale);
        auto program = std::make_unique<QTranslator>();
        loaded = program->load(QStringLiteral(":/i18n/rungpad_") + locale);
        if (loaded) {
            auto qt = std::make_unique<QTranslator>();
            if (qt->load(QStringLiteral("qtbase_") + locale,
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
                QCoreApplication::installTranslator(qt.get());
                m_qt = std::move(qt);
            }
            QCoreApplication::installTranslator(program.get());
            m_program = std::move(program);
            m_current = choice;
        }
    }
    QSettings settings;
    const QString key = QLatin1String(EntryOf(m_current).key);
    if (settings.value(kLanguageKey).toString() != key) {
        settings.setValue(kLanguageKey, key);  // a start in the kept language writes nothing
    }
    Messages::SetLanguage(m_current);  // the core's messages: conversion errors, output lines
    return loaded;
}

void UiLanguage::Uninstall() {
    if (m_current != Language::Original) {
        Messages::SetLanguage(Language::Original);  // as the texts are without a translator
    }
    for (std::unique_ptr<QTranslator>* translator : {&m_program, &m_qt}) {
        if (*translator) {
            QCoreApplication::removeTranslator(translator->get());
            translator->reset();
        }
    }
}

}  // namespace rungpad
