#pragma once
// The computation command: frame, charges and the chosen families of lines.
#include <string>

#include "base/dialogs.h"
#include "base/picture_box.h"
#include "base/platform.h"
#include "base/progress.h"
#include "model/module1.h"

// The main window's title while a computation runs.
inline constexpr const char* kComputingTitle =
    "Несимметричные электростатические поля 2-х точечных зарядов.";

// Equipotentials (line_kind 1), field lines (2) or both (anything else), then the tone. Stopped
// by `progress`, it ends where it was told to, without the tone.
void draw_field(Module1& m, PictureBox& pic, Platform& platform,
                Progress& progress = no_progress());

// The end-of-drawing tone: 880 Hz for t*12 ms (rounded to a whole millisecond, halves to even).
void beep2(Platform& platform, double t);

// Clears the picture and draws the frame; with both charges zero warns and stops there,
// otherwise draws the charges and the chosen lines, reporting to `progress` as it goes.
void compute_picture(Module1& m, PictureBox& pic, Dialogs& dialogs, Platform& platform,
                     Progress& progress = no_progress());

// Whole seconds between two clock readings of minute and second, a run shorter than an hour
// assumed (10:59:58 to 11:00:03 is 5).
int elapsed_seconds(int m0, int s0, int m1, int s1);

// The caption after a computation: the caption, ". Время расчета", the seconds as a signed
// number (a blank when not negative) and " c"; after a computation the user stopped, then
// ". Расчёт остановлен".
std::string caption_with_time(const std::string& caption, int seconds, bool stopped = false);
inline constexpr const char* kStoppedNote = ". Расчёт остановлен";
