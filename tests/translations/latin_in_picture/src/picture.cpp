// A picture whose unit is a Latin letter added to its text, not marked for translation: in
// English it would still say "B" for volts, so the check of the translations must refuse it.
#include "base/translator.h"

void draw_potential(PictureBox& pic, const Translator* tr, const std::string& volts) {
    pic.text(translated(tr, CF_TEXT("Picture", "X, м")));
    const std::string label = "fi= " + volts + " B";
    pic.text(label);
}
