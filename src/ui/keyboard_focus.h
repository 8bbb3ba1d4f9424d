#pragma once
// A frame around a widget that shows no keyboard focus of its own (a heading that acts as a
// button, a scroll bar, a picture) while it has the focus. It shows when the focus came from
// the keyboard or from the program, not when a click gave it, so that the mouse leaves the look
// the widget always had; a menu or another window taking the focus for a while leaves it as it
// was.
class QWidget;

void show_keyboard_focus(QWidget* widget);
