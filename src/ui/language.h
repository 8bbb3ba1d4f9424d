#pragma once
// The language of the interface: Russian (the texts as written in the sources) or English (the
// translations embedded from translations/chargefield_en.ts).
//
// Choosing a language installs Qt's translators in the application: in Russian Qt's own Russian
// texts (standard buttons, the context menus of text fields) where the system has them, in
// English our English translation. Installing them sends every widget a LanguageChange event, on
// which each window sets its texts anew. The core's texts follow the same translators through
// interface_translator(), at the moment they are made.
//
// The choice made in the menu is remembered between runs (the program's only setting); without
// one the interface is Russian, whatever the system's locale.
#include <QString>
#include <optional>
#include <string>
#include <string_view>

#include "base/translator.h"

enum class Language { Russian, English };

// "ru" or "en".
QString language_code(Language language);
std::optional<Language> language_from_code(std::string_view code);

// Installs the translators of `language` in the running application, removing those of the
// other language; nothing when it is the language already chosen.
void apply_language(Language language);
// The language applied last (Russian before any).
Language current_language();

// The language remembered from the menu, Russian without one; and remembering one, false when
// the settings could not be written.
Language remembered_language();
bool remember_language(Language language);
// Why the settings cannot be written, in the interface's language: the settings file, a line
// break and the reason.
QString settings_problem();

// The core's translator: a text through the application's translators.
const Translator& interface_translator();
// A core text in the interface's language.
std::string interface_text(const SourceText& text);
