#pragma once
// A profile window: one quantity along one fixed line, with a scale bar for the value axis.
// One class for all six windows; what differs between them is their row of the family table.
// A face over the session's profile: its scale factor and samples are the session's.
#include <QLabel>
#include <QScrollBar>
#include <QSize>
#include <QWidget>

#include "base/dialogs.h"
#include "base/progress.h"
#include "profiles/profile_family.h"
#include "session/session.h"
#include "ui/file_chooser.h"
#include "ui/picture_print.h"
#include "ui/position_scroll_bar.h"
#include "ui/qt_picture_box.h"

class ProfileWindow : public QWidget {
    Q_OBJECT
  public:
    // A hidden top-level window of its own, with no owner: it can be minimised, has its own
    // taskbar entry and does not stay above the main window, which it partly overlaps. The
    // session draws it (over the main window's picture as last drawn); it lays itself out with
    // the main window's measures.
    ProfileWindow(Session& session, const LayoutMeasures& layout, Dialogs& dialogs, ProfileId id);

    // Start-up: places the window beside the main window, whose outer geometry is given in
    // twips, inside the screen's available area (in pixels), and sets the scale bar and its
    // label from the scale factor.
    void place_beside_main(const TwipRect& main_window, const QRect& screen_area);
    // The redraw entry point: lays the window out and lets the session draw the profile, as a
    // computation of its own or as part of the one running (see ui/computation.h). A hidden
    // window draws nothing and warns of nothing; it is drawn when it is shown.
    void redraw(ProfileWarning warning = ProfileWarning::Box);
    void redraw(Progress& progress, ProfileWarning warning = ProfileWarning::Box);
    // Shows the window and draws it, or hides it (its check box in the main window).
    void set_shown(bool shown);
    // Places the scale bar, its label and the picture; false when the window is too small.
    bool lay_out();
    // The scale bar moved: new scale factor, its label, a redraw.
    void on_scale_changed();

    const ProfileKind& kind() const { return kind_; }

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

    Session& session_;
    // The main window's layout measures.
    const LayoutMeasures& layout_;
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
