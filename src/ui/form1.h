#pragma once
// The main window: the field picture on the left, the column of inputs, the command, the
// profile check boxes and the pointer readout on the right.
#include <QAction>
#include <QCheckBox>
#include <QLineEdit>
#include <QListWidget>
#include <QMainWindow>
#include <QPushButton>
#include <array>
#include <initializer_list>
#include <memory>

#include "analysis/characteristic_results.h"
#include "analysis/point_log.h"
#include "base/dialogs.h"
#include "base/platform.h"
#include "model/field_params.h"
#include "picture/frame.h"
#include "profiles/profile_family.h"
#include "ui/click_label.h"
#include "ui/file_chooser.h"
#include "ui/form2.h"
#include "ui/position_scroll_bar.h"
#include "ui/profile_window.h"
#include "ui/qt_picture_box.h"

class Form1 : public QMainWindow {
    Q_OBJECT
  public:
    // Runs the start-up sequence; the window is shown by the caller.
    Form1(FieldParams& m, Dialogs& dialogs, Platform& platform, QWidget* parent = nullptr);
    ~Form1() override;

    // The size of the inner area (below the menu bar) the window opens with.
    static constexpr int kInnerWidth = 754;
    static constexpr int kInnerHeight = 552;
    // The size of the picture in the window as it opens: the inner height less two gaps.
    static constexpr int kOpeningPictureSize = kInnerHeight - 2 * 4;
    // The window's title before the first computation.
    static constexpr const char* kTitle =
        "Несимметричные электростатические поля 2-х точечных зарядов";

    // Lays the window out from its inner height and redraws the empty frame with the charges.
    void Form_Resize();
    // Places every control from the inner height.
    void layout_main();
    // The inputs' start-up values, written into the inputs (whose handlers copy them back).
    void init_params();
    // The end-of-drawing tone.
    void beep2(double t);

    // Input handlers.
    void VScroll1_Change();
    void VScroll2_Change();
    void VScroll3_Change();
    void Text1_Change();
    void Text2_Change();
    void Text3_Change();
    void Text4_Change();
    void Text5_Change();
    void List1_Click();
    void CmdOK_Click();
    // A profile check box was clicked: show (and draw) or hide its window.
    void Check_Click(QCheckBox* box, ProfileId id);

    // The profile windows, created hidden at start-up.
    ProfileWindow& profile(ProfileId id) { return *profiles_[to_index(id)]; }

    // Characteristic lines, the chosen equipotential, the pointer readout and the point log.
    void Label1_Click();
    void Label2_Click();
    void Label3_Click();
    void Command1_Click();
    void Picture1_MouseMove(float x, float y);
    void Picture1_DblClick();
    void Check_p_Click();
    // The line of horizontal field of unlike charges; y of the line of vertical field at x.
    void naprjag_1();
    float naprjag_2(double x);

    FieldParams& m;
    // The field picture as last drawn, what the characteristic lines found, and the layout
    // measures the profile windows share.
    FieldPicture field_picture;
    CharacteristicResults results;
    LayoutMeasures layout;
    // False while the window starts up, true afterwards.
    bool ready = false;

    QtPictureBox* Picture1;
    ClickLabel* Label1;
    PositionScrollBar* VScroll1;
    QLabel* Label4;
    ClickLabel* Label2;
    PositionScrollBar* VScroll2;
    QLabel* Label5;
    ClickLabel* Label3;
    PositionScrollBar* VScroll3;
    QLabel* Label6;
    QListWidget* List1;
    QLabel* Label7;
    QLineEdit* Text1;
    QLabel* Label8;
    QLineEdit* Text2;
    QPushButton* CmdOK;
    QCheckBox* Check_3;
    QCheckBox* Check_4;
    QLineEdit* Text3;
    QLineEdit* Text5;
    QCheckBox* Check_1;
    QCheckBox* Check_5;
    QCheckBox* Check_2;
    QCheckBox* Check_6;
    QLabel* Label9;
    QLabel* Label10;
    QPushButton* Command1;
    QLabel* Label11;
    QLabel* Label12;
    QLineEdit* Text4;
    QLabel* Label15;
    QLabel* Label16;
    QLabel* Label14;
    QLabel* Label17;
    QLabel* Label18;
    QLabel* Label19;
    QCheckBox* Check_p;
    QLabel* Label20;

    QMenu* mnuFile = nullptr;
    QMenu* mnuHelp = nullptr;

    // Menu items, in menu order; separators are named mnuHelpSep1 to mnuHelpSep3.
    QAction* mnuFilespravka = nullptr;
    QAction* mnuFileGauss = nullptr;
    QAction* mnuFileExit = nullptr;
    QAction* mnuHelpInstruction = nullptr;
    QAction* mnuHelpUprav = nullptr;
    QAction* mnuHelpAvtors = nullptr;
    QAction* mnuHelpAbout = nullptr;
    QAction* mnuHelpAbout2 = nullptr;

    // Menu handlers.
    void mnuFilespravka_Click();
    void mnuFileGauss_Click();
    void mnuFileExit_Click();
    void mnuHelpInstruction_Click();
    void mnuHelpUprav_Click();
    void mnuHelpAvtors_Click();
    void mnuHelpAbout_Click();
    void mnuHelpAbout2_Click();

    // Saving and copying the picture ("Файл"; Ctrl+S, and Ctrl+C while the picture has the
    // focus, which a click gives it).
    QAction* mnuFileSavePicture = nullptr;
    QAction* mnuFileCopyPicture = nullptr;
    void mnuFileSavePicture_Click();
    void mnuFileCopyPicture_Click();
    // Where files to save are chosen, here and in the profile windows: Qt's file dialog unless
    // another chooser is set (tests answer from a script).
    void set_file_chooser(FileChooser& chooser);

    // The Authors window, created the first time it is asked for.
    Form2* form2 = nullptr;

  signals:
    // The user confirmed the exit: every window is closed and the program is to end.
    void exitConfirmed();

  protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void create_controls();
    void create_menus();
    // Fills both menus with their items and icons and connects them.
    void fill_menus();
    void connect_inputs();
    void connect_analysis();
    // The picture takes the focus by a click and copies itself on Ctrl+C; the profile windows
    // share the file chooser.
    void setup_export();
    void scroll_changed(PositionScrollBar* bar, double factor, double& value, QLabel* label);
    // Closes every other window and the point log after a confirmed exit.
    void unload_all();
    // Redraws the given profile windows that are shown, in that order, as one computation.
    void redraw_profiles(std::initializer_list<ProfileId> ids,
                         ProfileWindow::Warning warning = ProfileWindow::Warning::Box);
    // This window's outer position and size in twips.
    TwipRect frame_twips() const;

    Dialogs& dialogs_;
    Platform& platform_;
    QWidget* inner_;
    std::array<std::unique_ptr<ProfileWindow>, kProfileCount> profiles_;
    PointLog point_log_;
    bool readout_shown_ = false; // the readout labels show a point of the picture
    QtFileChooser own_chooser_;
    FileChooser* chooser_ = &own_chooser_;
};
