#pragma once
// The texts the core shows a person (messages, warnings, the texts drawn in pictures, captions,
// the log's and the CSV's header lines) are written in Russian where they are used and marked
// CF_TEXT(context, text), which the translation tools read as they read Qt's
// QT_TRANSLATE_NOOP (lupdate -tr-function-alias QT_TRANSLATE_NOOP+=CF_TEXT). A text with numbers
// is one whole sentence with the places %1, %2 ... for them, so that a translation may put them
// in its own order.
//
// The core translates through a Translator that its caller hands it with the inputs
// (FieldParams::translator) or as an argument; without one a text stays the Russian source.
// The windows and the command line give one that asks Qt's translators, so a text follows the
// language chosen at the moment it is made.
#include <initializer_list>
#include <string>
#include <string_view>

// A text as written in the source: its group for the translation tools and the Russian text.
struct SourceText {
    const char* context;
    const char* text;
};

#define CF_TEXT(context, text) (SourceText{context, text})

class Translator {
  public:
    virtual ~Translator() = default;
    // The text in the language chosen; its source when there is no translation.
    virtual std::string translate(const SourceText& text) const = 0;
};

// `text` through `translator`, or the source when there is none.
std::string translated(const Translator* translator, const SourceText& text);

// `pattern` with %1 ... %9 replaced by the arguments in that order; a place without an argument
// and every other character stay as they are.
std::string fill(std::string_view pattern, std::initializer_list<std::string_view> args);

// translated() and then fill().
std::string translated(const Translator* translator, const SourceText& text,
                       std::initializer_list<std::string_view> args);
