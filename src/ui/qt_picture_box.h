#pragma once
// The program's drawing surface: a widget that keeps what was drawn on it since the last clear as
// a display list (for the exports) and as a persistent image (for the screen), drawn in user
// coordinates without antialiasing.
//
// Drawing only records: the primitives not yet painted are painted into the image in batches,
// when the widget repaints, when the image is asked for, or when flush() is called, so a
// computation issuing millions of primitives pays for one widget update, not one per primitive.
#include <QHash>
#include <QImage>
#include <QWidget>

#include "base/display_list.h"
#include "base/picture_box.h"
#include "ui/picture_render.h"
#include "ui/text_shapes.h"

class QtPictureBox : public QWidget, public PictureBox {
    Q_OBJECT
  public:
    explicit QtPictureBox(QWidget* parent = nullptr);
    ~QtPictureBox() override;

    // Paints every recorded primitive not yet in the image.
    void flush();
    // The picture as drawn so far, in device pixels.
    QImage image();
    // What was drawn since the last clear (or resize), for the exports.
    const DisplayList& display_list() const { return list_; }
    QColor background() const { return background_; }
    // User coordinates of a point given in the widget's logical pixels.
    QPointF to_user(QPointF px) const;
    QPointF to_pixels(double x, double y) const;
    // Background (cleared to) and foreground (dots without a colour, texts) colours.
    void set_colours(QColor background, QColor foreground);

  signals:
    void mouseMoved(float x, float y);
    void doubleClicked();

  protected:
    void on_scale(float x1, float y1, float x2, float y2) override;
    void on_clear() override;
    void on_line(float x1, float y1, float x2, float y2, Colour c) override;
    void on_lines(const Segment* segments, std::size_t count) override;
    void on_dot(float x, float y, Colour c, bool in_foreground) override;
    void on_circle(float x, float y, float r, Colour c) override;
    void on_text(std::string_view text) override;
    void on_pixels(float x1, float y1, float x2, float y2,
                   const std::shared_ptr<const PixelColours>& source) override;
    double text_line_step() override;
    float measure_width(std::string_view text) override;
    float measure_height(std::string_view text) override;
    float measure_pixel() override;

    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

  private:
    // Makes the image match the widget's size; a new image starts blank with an empty list.
    void ensure_image();
    // ensure_image when the widget's size has changed since the image was made: a primitive
    // drawn after a resize goes on the picture of the new size.
    void fit_image() {
        if (size() != image_size_) {
            ensure_image();
        }
    }
    // After a primitive was recorded: asks for one repaint, and paints a long backlog at once.
    void drawn() {
        if (!update_asked_) {
            update_asked_ = true;
            update();
        }
        if (++backlog_ >= kBacklog) {
            flush();
        }
    }
    // Primitives waiting to be painted before they are painted without waiting for a repaint:
    // keeps the backlog of a long computation small, its points within the processor's cache.
    static constexpr std::size_t kBacklog = std::size_t{1} << 12;

    QImage image_;
    QSize image_size_; // the widget's size when image_ was made
    DisplayList list_;
    std::size_t painted_ = 0;  // primitives of list_ already in image_
    std::size_t backlog_ = 0;  // primitives (segments counted) drawn since the last painting
    bool clear_image_ = false; // image_ is to be cleared before painting
    bool update_asked_ = false;
    DrawOp image_scale_ = DrawOp::scale(0, 0, 1, 1); // in force at painted_
    QColor background_;
    QColor foreground_;
    TextShapes text_shapes_; // the texts of this picture, laid out once
    QFont advances_font_;    // the font of the advances kept
    QHash<QString, qreal> advances_;
    static constexpr qsizetype kMaxAdvances = 4096;
};
