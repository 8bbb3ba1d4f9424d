#pragma once
// The controls of the main window and their making, as a form designer would describe them:
// the picture on the left; on the right a column with the charges and the size of the region,
// the choice of line families with their counts and the compute button, the six profile check
// boxes with the fixed coordinates of their lines, the pointer readout, the chosen equipotential
// and the point log; above them the three menus. Each control gets its text, tool tip, font and
// colours here and an object name equal to its member's name. Where the controls go is the
// layout's business (main_window_layout.cpp), what they do the handlers'
// (main_window_handlers.cpp).
#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>

#include "profiles/profile_family.h"
#include "ui/click_label.h"
#include "ui/position_scroll_bar.h"
#include "ui/qt_picture_box.h"

class QMainWindow;
class QMenuBar;

// Shows `text` whole in a label of the column: where it is wider (or, wrapped, taller) than the
// label at the label's usual font, the font is made smaller until it fits; the label keeps its
// place and size.
void show_whole(QLabel* label, const QString& text);

struct MainWindowControls {
    // Makes the inner area (the window's central widget) and every control in it, then the
    // menus, and gives them their texts.
    void create(QMainWindow* window);
    // Sets every caption, tool tip, list item and menu text in the interface's language. The
    // level count's tool tip, the values and the readout are the window's business.
    void retranslate();
    // The readout's captions, shown until the pointer has been over the picture.
    void show_readout_captions();
    // Every label of the inner area shows its text whole (see show_whole), as laid out.
    void fit_captions();
    // The width the family list needs to show its widest item whole beside a scroll bar.
    int families_width() const;

    // The area below the menu bar that holds every control.
    QWidget* inner = nullptr;

    QtPictureBox* picture = nullptr;

    // The charges and the half-width of the region: a heading (a click on it draws and explains
    // a characteristic line), a scroll bar and the value it sets.
    ClickLabel* q1_heading = nullptr;
    PositionScrollBar* q1_bar = nullptr;
    QLabel* q1_value = nullptr;
    ClickLabel* q2_heading = nullptr;
    PositionScrollBar* q2_bar = nullptr;
    QLabel* q2_value = nullptr;
    ClickLabel* size_heading = nullptr;
    PositionScrollBar* size_bar = nullptr;
    QLabel* size_value = nullptr;

    // Which families of lines the compute button draws, and how many of each.
    QListWidget* families_list = nullptr;
    QLabel* level_count_heading = nullptr;
    QLineEdit* level_count_edit = nullptr;
    QLabel* line_count_heading = nullptr;
    QLineEdit* line_count_edit = nullptr;
    QPushButton* compute_button = nullptr;

    // The profile windows' check boxes: fi, Ex and Ey along the line y = y_fixed (left column)
    // and along x = x_fixed (right column), with the edits for y_fixed and x_fixed.
    QCheckBox* phi_along_x_check = nullptr;
    QCheckBox* phi_along_y_check = nullptr;
    QLineEdit* y_fixed_edit = nullptr;
    QLineEdit* x_fixed_edit = nullptr;
    QCheckBox* ex_along_x_check = nullptr;
    QCheckBox* ex_along_y_check = nullptr;
    QCheckBox* ey_along_x_check = nullptr;
    QCheckBox* ey_along_y_check = nullptr;
    // The check box of a profile window.
    QCheckBox* profile_check(ProfileId id) const;

    // The pointer readout: a heading and the value under the pointer for x, y, the potential and
    // the two components of the field.
    QLabel* readout_x_heading = nullptr;
    QLabel* readout_x_value = nullptr;
    QLabel* readout_y_heading = nullptr;
    QLabel* readout_y_value = nullptr;
    QLabel* readout_phi_heading = nullptr;
    QLabel* readout_phi_value = nullptr;
    QLabel* readout_ex_heading = nullptr;
    QLabel* readout_ex_value = nullptr;
    QLabel* readout_ey_heading = nullptr;
    QLabel* readout_ey_value = nullptr;

    // The equipotential of a potential the user types, and the point log's switch.
    QPushButton* chosen_potential_button = nullptr;
    QLineEdit* chosen_potential_edit = nullptr;
    QCheckBox* log_check = nullptr;

    // «Файл»: the help documents, saving, copying and printing the picture, the exit.
    QMenu* file_menu = nullptr;
    QAction* spravka_action = nullptr;
    QAction* gauss_action = nullptr;
    QAction* save_picture_action = nullptr;
    QAction* copy_picture_action = nullptr;
    QAction* print_action = nullptr;
    QAction* print_preview_action = nullptr;
    QAction* exit_action = nullptr;
    // «Вид»: the views every later picture shows, and the redraw at every change of an input; each
    // an item with a check mark, off at start-up.
    QMenu* view_menu = nullptr;
    QAction* potential_map_action = nullptr;
    QAction* arrows_action = nullptr;
    QAction* flux_lines_action = nullptr;
    QAction* exact_equipotentials_action = nullptr;
    QAction* charge_marks_action = nullptr;
    QAction* live_action = nullptr;
    // «Помощь»: the instruction and the guide to the controls, the information boxes.
    QMenu* help_menu = nullptr;
    QAction* instruction_action = nullptr;
    QAction* uprav_action = nullptr;
    QAction* authors_action = nullptr;
    QAction* about_action = nullptr;
    QAction* registration_action = nullptr;
    // «Язык / Language»: the interface's language, each named in its own.
    QMenu* language_menu = nullptr;
    QAction* russian_action = nullptr;
    QAction* english_action = nullptr;

  private:
    void create_charge_and_size();
    void create_families();
    void create_profile_boxes();
    void create_readout_and_log();
    // In main_window_menus.cpp.
    void create_menus(QMenuBar* bar);
    void retranslate_menus();
};
