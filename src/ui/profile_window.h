#pragma once
// A profile window: one quantity along one fixed line, with a scale bar for the value axis.
// One class for all six windows; what differs between them is their row of the family table.
#include <QLabel>
#include <QScrollBar>
#include <QSize>
#include <QWidget>

#include "base/dialogs.h"
#include "base/progress.h"
#include "model/field_params.h"
#include "picture/frame.h"
#include "profiles/profile_draw.h"
#include "profiles/profile_family.h"
#include "ui/file_chooser.h"
#include "ui/position_scroll_bar.h"
#include "ui/qt_picture_box.h"

class ProfileWindow : public QWidget {
    Q_OBJECT
  public:
    // A hidden top-level window of its own, with no owner: it can be minimised, has its own
    // taskbar entry and does not stay above the main window, which it partly overlaps. It draws
    // over the main window's picture as last drawn and lays itself out with the main window's
    // measures.
    ProfileWindow(const FieldParams& m, const FieldPicture& picture, const LayoutMeasures& layout,
                  Dialogs& dialogs, ProfileId id);

    // Start-up: places the window beside the main window, whose outer geometry is given in
    // twips, and sets the scale bar and its label from the scale factor.
    void zapusk(const TwipRect& main_window);
    // How a redraw tells that there is nothing to draw: in a modal box, or printed in the
    // picture itself, which takes no focus (for redraws while the user types in the main
    // window, whose keystrokes a box would take).
    enum class Warning { Box, InPicture };
    // The redraw entry point: clears the picture, lays the window out and draws the profile, as
    // a computation of its own or as part of the one running (see ui/computation.h).
    // A hidden window draws nothing and warns of nothing; it is drawn when it is shown.
    void Form_Resize(Warning warning = Warning::Box);
    void Form_Resize(Progress& progress, Warning warning = Warning::Box);
    // Places the scale bar, its label and the picture; false when the window is too small.
    bool ekran();
    // The scale bar moved: new scale factor, its label, a redraw.
    void Scroll1_Change();

    const ProfileKind& kind() const { return kind_; }
    // What the last drawing pass sampled, and the scale factor of the value axis.
    const ProfileSamples& samples() const { return samples_; }
    double scale() const { return scale_; }

    // The graph's context menu: the picture as PNG or SVG, the data as CSV, the picture to the
    // clipboard. Files are chosen through `chooser`.
    void set_file_chooser(FileChooser& chooser) { chooser_ = &chooser; }
    void save_graph();
    void save_data();
    QAction* actSaveGraph = nullptr;
    QAction* actSaveData = nullptr;
    QAction* actCopyGraph = nullptr;

    QtPictureBox* Picture1;
    // VScroll1 on the windows along y = Y_fix, HScroll1 on those along x = X_fix.
    PositionScrollBar* Scroll1;
    QLabel* Label1;

  signals:
    // The user closed the window with its own close box (it is hidden, not destroyed).
    void closedByUser();

  protected:
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

  private:
    const FieldParams& m;
    const FieldPicture& picture_;
    const LayoutMeasures& layout_;
    ProfileSamples samples_;
    double scale_ = 1;
    // Set once start-up has placed the window: until then nothing redraws.
    bool ready_ = false;
    Dialogs& dialogs_;
    const ProfileKind& kind_;
    QSize laid_out_; // the inner size of the last layout
    void create_export_actions();
    FileChooser* chooser_ = nullptr;
};

// Twips per pixel of the windows' positions and sizes.
inline constexpr double kTwipsPerPixel = 15;
