#pragma once
// The computation command: frame, charges and the chosen families of lines.
#include <optional>
#include <string>

#include "base/dialogs.h"
#include "base/picture_box.h"
#include "base/platform.h"
#include "base/progress.h"
#include "model/field_params.h"
#include "picture/frame.h"

// The main window's title while a computation runs.
inline constexpr SourceText kComputingTitle =
    CF_TEXT("Picture", "Несимметричные электростатические поля 2-х точечных зарядов.");

// Equipotentials, field lines or both, as params.families chooses, on the picture's frame and
// charge marks (the exact equipotentials and the field lines of equal flux with those views on;
// the field lines leave out the equipotentials' labels); then the tone. Stopped by
// `progress`, it ends where it was told to, without the tone. Returns the level step the
// equipotentials counted, if they did.
std::optional<std::string> draw_field(const FieldParams& params, const FieldPicture& picture,
                                      PictureBox& pic, Platform& platform,
                                      Progress& progress = no_progress());

// The end-of-drawing tone: 880 Hz for t*12 ms (rounded to a whole millisecond, halves to even).
void end_tone(Platform& platform, double t);

// Clears the picture and draws the frame (kept in `picture`); with both charges zero warns and
// stops there, otherwise draws the charges (kept as well) and the chosen lines, reporting to
// `progress` as it goes, and with the view of the charges' signs the charges again over them.
// Returns the level step the equipotentials counted, if they did.
std::optional<std::string> compute_picture(const FieldParams& params, FieldPicture& picture,
                                           PictureBox& pic, Dialogs& dialogs, Platform& platform,
                                           Progress& progress = no_progress());

// Whole seconds between two clock readings of minute and second, a run shorter than an hour
// assumed (10:59:58 to 11:00:03 is 5).
int elapsed_seconds(int m0, int s0, int m1, int s1);

// The caption after a computation: the caption, ". Время расчета", the seconds as a signed
// number (a blank when not negative) and " c"; after a computation the user stopped, then
// ". Расчёт остановлен".
std::string caption_with_time(const std::string& caption, int seconds, bool stopped = false,
                              const Translator* translator = nullptr);
inline constexpr SourceText kStoppedNote = CF_TEXT("Picture", ". Расчёт остановлен");
