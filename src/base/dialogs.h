#pragma once
// Modal questions and messages, as the core asks them. Texts are UTF-8; a lone carriage return
// or CR LF in a text breaks the line.
#include <string>

#include "base/translator.h"

// The title of every warning box.
inline constexpr SourceText kWarningTitle = CF_TEXT("Dialogs", "ПРЕДУПРЕЖДЕНИЕ");

class Dialogs {
  public:
    virtual ~Dialogs() = default;
    // A message box with an OK button; returns when it is dismissed.
    virtual void message(const std::string& text, const std::string& title) = 0;
    // A box with Yes and No and no icon; true for Yes.
    virtual bool ask_yes_no(const std::string& text, const std::string& title) = 0;
};
