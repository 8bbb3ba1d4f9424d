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
#include "ui/picture_print.h"
#include "ui/position_scroll_bar.h"
#include "ui/qt_picture_box.h"

class ProfileWindow : public QWidget {
    Q_OBJECT
  public:
    // A hidden top-level window of its own, with no owner: it can be minimised, has its own
    // taskbar entry and does not stay above the main window, which it partly overlaps. It draws
    // over the main window's picture as last drawn and lays itself out with the main window's
    // measures.
    ProfileWindow(const FieldParams& params, const FieldPicture& field_picture,
                  const LayoutMeasures& layout, Dialogs& dialogs, ProfileId id);

    // Start-up: places the window beside the main window, whose outer geometry is given in
    // twips, inside the screen's available area (in pixels), and sets the scale bar and its
    // label from the scale factor.
    void place_beside_main(const TwipRect& main_window, const QRect& screen_area);
    // How a redraw tells that there is nothing to draw: in a modal box, or printed in the
    // picture itself, which takes no focus (for redraws while the user types in the main
    // window, whose keystrokes a box would take).
    enum class Warning { Box, InPicture };
    // The redraw entry point: clears the picture, lays the window out and draws the profile, as
    // a computation of its own or as part of the one running (see ui/computation.h).
    // A hidden window draws nothing and warns of nothing; it is drawn when it is shown.
    void redraw(Warning warning = Warning::Box);
    void redraw(Progress& progress, Warning warning = Warning::Box);
    // Shows the window and draws it, or hides it (its check box in the main window).
    void set_shown(bool shown);
    // Places the scale bar, its label and the picture; false when the window is too small.
    bool lay_out();
    // The scale bar moved: new scale factor, its label, a redraw.
    void on_scale_changed();

    const ProfileKind& kind() const { return kind_; }
    // What the last drawing pass sampled, and the scale factor of the value axis.
    const ProfileSamples& samples() const { return samples_; }
    double scale() const { return scale_; }

    // The graph's context menu: the picture as PNG, SVG or PDF, the data as CSV, the picture to
    // the clipboard, the picture printed. Files are chosen through `chooser`, printers through
    // `printer`.
    void set_file_chooser(FileChooser& chooser) { chooser_ = &chooser; }
    void set_printer(PicturePrinter& printer) { printer_ = &printer; }
    void save_graph();
    void save_data();
    void print_graph();
    void preview_graph();
    // The graph's line and the charges, as its files and printed pages name it.
    QString graph_title() const;
    QAction* save_graph_action = nullptr;
    QAction* save_data_action = nullptr;
    QAction* copy_graph_action = nullptr;
    QAction* print_action = nullptr;
    QAction* print_preview_action = nullptr;

    QtPictureBox* picture;
    // The scale of the value axis: vertical on the windows along y = y_fixed, horizontal on those
    // along x = x_fixed.
    PositionScrollBar* scale_bar;
    QLabel* scale_label;

  signals:
    // The user closed the window with its own close box (it is hidden, not destroyed).
    void closed_by_user();

  protected:
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;

  private:
    // Moves the window, whose outer frame would be `frame`, inside the screen's available area.
    void keep_inside(const QRect& frame);
    void create_export_actions();
    // The window's texts in the interface's language.
    void retranslate();
    void retranslate_export_actions();
    // Accessible names and descriptions, the order of the keyboard focus and its frames.
    void set_up_access();
    // The scale bar's and its label's accessible names, which say the scale factor.
    void describe_scale();

    const FieldParams& params_;
    // The main window's picture as last drawn, and its layout measures.
    const FieldPicture& field_picture_;
    const LayoutMeasures& layout_;
    // What the last drawing pass sampled, and the scale factor of the value axis.
    ProfileSamples samples_;
    double scale_ = 1;
    // Set once start-up has placed the window: until then nothing redraws.
    bool ready_ = false;
    Dialogs& dialogs_;
    const ProfileKind& kind_;
    QSize laid_out_;    // the inner size of the last layout
    QRect screen_area_; // the available area of the main window's screen
    FileChooser* chooser_ = nullptr;
    PicturePrinter* printer_ = nullptr;
};

// Twips per pixel of the windows' positions and sizes.
inline constexpr double kTwipsPerPixel = 15;
