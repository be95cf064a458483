#pragma once

#include <QString>
#include <QTranslator>
#include <array>
#include <memory>

#include "model/Language.h"

namespace rungpad {

// The language of the editor's texts: Original (the texts as the program always had them, no
// translator), 中文 or English (the program's and Qt's own translators). Installing a translator
// makes Qt send every widget a LanguageChange, so open windows follow at once. The choice is
// kept in the settings for the next start.
class UiLanguage {
  public:
    static constexpr std::array<Language, 3> kChoices = {Language::Original, Language::Chinese,
                                                         Language::English};

    UiLanguage();
    ~UiLanguage();
    UiLanguage(const UiLanguage&) = delete;
    UiLanguage& operator=(const UiLanguage&) = delete;

    // The choice kept in the settings (Original when none or an unknown one is kept).
    static Language Saved();
    // The name a choice has in the menu: each language in its own words.
    static QString MenuText(Language choice);

    Language Current() const { return m_current; }
    // Installs the translators of choice (removing those of the last), keeps it in the settings
    // and tells the core's message table. False, with Original in force, when the program's
    // translation cannot be loaded.
    bool Apply(Language choice);
    // Takes the translators out again, without touching the settings (the frame does so while
    // it is still whole, since every widget hears of it).
    void Uninstall();

  private:
    Language m_current = Language::Original;
    std::unique_ptr<QTranslator> m_program;
    std::unique_ptr<QTranslator> m_qt;  // Qt's own dialogs, where qtbase's translation is installed
};

}  // namespace rungpad
