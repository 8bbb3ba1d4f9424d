#pragma once
// What the user draws over the field picture by a click (the characteristic lines and the
// equipotential of a chosen potential), kept in order since the picture was last cleared, so
// that a redraw of the whole picture draws it again for the inputs of the moment; and the notes
// of what the picture shows, for its description.
#include <string>

#include "analysis/characteristic_results.h"
#include "base/dialogs.h"
#include "base/picture_box.h"
#include "base/progress.h"
#include "model/field_params.h"
#include "picture/frame.h"

struct DrawnOver {
    enum Kind { ZeroPotential, ZeroField, FieldDirection, ChosenEquipotential } kind;
    float potential = 0; // of a chosen equipotential, V
};

// Draws `drawn` over the picture as its click does, explanations through `dialogs`; keeps what
// the characteristic lines find in `results`.
void draw_over(const DrawnOver& drawn, const FieldParams& params, const FieldPicture& picture,
               CharacteristicResults& results, PictureBox& pic, Dialogs& dialogs,
               Progress& progress);

// One thing the picture shows, as its description names it: a text with a number for its %1
// (or none).
struct PictureNote {
    SourceText text;
    std::string number;
};

// The note of a thing drawn over the picture (numbers with the separator of `params`).
PictureNote note_of(const DrawnOver& drawn, const FieldParams& params);
