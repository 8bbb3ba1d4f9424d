// What the picture's display list costs and what the exports take, on the default picture
// after "расчёт" at the size of the picture in a newly opened window (544 x 544), offscreen.
//
// Recording overhead: BM_record_default_picture (the list's share of the work, alone), or
// BM_compute_recording_only minus BM_compute_drawing_nothing (the same within the computation),
// against BM_compute_picture_box (the program's picture box, which records and paints).
#include <QElapsedTimer>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTimer>
#include <benchmark/benchmark.h>

#include <algorithm>

#include "base/display_list.h"
#include "bench_scene.h"
#include "ui/main_window.h"
#include "ui/picture_export.h"
#include "ui/qt_picture_box.h"
#include "ui/save_actions.h"

namespace {

// Only keeps the display list, as the program's picture box does before it paints.
class ListBox : public PictureBox {
  public:
    DisplayList list;

  protected:
    void on_scale(float x1, float y1, float x2, float y2) override { list.scale(x1, y1, x2, y2); }
    void on_clear() override { list.clear(); }
    void on_line(float x1, float y1, float x2, float y2, Colour c) override {
        list.line(x1, y1, x2, y2, c, pen_width);
    }
    void on_dot(float x, float y, Colour c, bool) override { list.dot(x, y, c, pen_width); }
    void on_circle(float x, float y, float r, Colour c) override {
        list.circle(x, y, r, c, pen_width, filled, fill_colour);
    }
    void on_text(std::string_view text) override {
        list.text(current_x, current_y, foreground, text);
    }
};

// The program's picture box as a newly opened window has it: its font and its size.
class WindowPictureBox : public QtPictureBox {
  public:
    WindowPictureBox() {
        setFont(picture_font());
        resize(MainWindow::kOpeningPictureSize, MainWindow::kOpeningPictureSize);
    }
};

// The computation command, over and over.
template <class Box> void compute_on(benchmark::State& state, SceneOn<Box>& s) {
    for (auto _ : state) {
        s.compute();
        benchmark::ClobberMemory();
    }
}

void BM_compute_drawing_nothing(benchmark::State& state) {
    SceneOn<NullPictureBox> s;
    compute_on(state, s);
}
BENCHMARK(BM_compute_drawing_nothing)->Unit(benchmark::kMillisecond);

void BM_compute_recording_only(benchmark::State& state) {
    SceneOn<ListBox> s;
    compute_on(state, s);
    state.counters["primitives"] = static_cast<double>(s.pic.list.size());
}
BENCHMARK(BM_compute_recording_only)->Unit(benchmark::kMillisecond);

// The primitives of the default picture recorded into a fresh list.
void BM_record_default_picture(benchmark::State& state) {
    SceneOn<ListBox> s;
    s.compute();
    const DisplayList& source = s.pic.list;
    for (auto _ : state) {
        DisplayList list;
        list.clear();
        for (const DrawOp& op : source.ops()) {
            switch (op.kind) {
            case DrawOp::Kind::Scale:
                list.scale(op.a, op.b, op.c, op.d);
                break;
            case DrawOp::Kind::Line:
                source.for_each_segment(op, [&](ListPoint from, ListPoint to) {
                    list.line(from.x, from.y, to.x, to.y, op.colour, op.width);
                });
                break;
            case DrawOp::Kind::Dot:
                list.dot(op.a, op.b, op.colour, op.width);
                break;
            case DrawOp::Kind::Circle:
                list.circle(op.a, op.b, op.c, op.colour, op.width, op.filled, op.fill);
                break;
            case DrawOp::Kind::Text:
                list.text(op.a, op.b, op.colour, source.text_of(op));
                break;
            case DrawOp::Kind::Pixels:
                break; // the default picture shows no view
            }
        }
        benchmark::DoNotOptimize(list.ops().data());
    }
    state.counters["primitives"] = static_cast<double>(source.primitives());
}
BENCHMARK(BM_record_default_picture)->Unit(benchmark::kMicrosecond);

void BM_compute_picture_box(benchmark::State& state) {
    SceneOn<WindowPictureBox> s;
    for (auto _ : state) {
        s.compute();
        painted(s.pic);
    }
}
BENCHMARK(BM_compute_picture_box)->Unit(benchmark::kMillisecond);

// The default picture drawn once on the program's picture box.
struct Picture : SceneOn<WindowPictureBox> {
    Picture() {
        compute();
        pic.flush();
    }
};

void BM_export_svg(benchmark::State& state) {
    Picture p;
    const QString title = field_picture_title(p.params, p.picture.frame);
    qsizetype bytes = 0;
    for (auto _ : state) {
        const QByteArray svg =
            render_svg(p.pic.display_list(), p.pic.size(), p.pic.font(), p.pic.background(), title);
        bytes = svg.size();
        benchmark::DoNotOptimize(svg.constData());
    }
    state.counters["bytes"] = static_cast<double>(bytes);
}
BENCHMARK(BM_export_svg)->Unit(benchmark::kMillisecond);

// PNG at a scale painted from the list and encoded; at scale 0, the screen's image encoded.
void BM_export_png(benchmark::State& state) {
    Picture p;
    const qreal scale = static_cast<qreal>(state.range(0));
    qsizetype bytes = 0;
    for (auto _ : state) {
        const QImage image = scale > 0 ? render_png(p.pic.display_list(), p.pic.size(),
                                                    p.pic.font(), p.pic.background(), scale)
                                       : p.pic.image();
        const QByteArray png = encode_png(image);
        bytes = png.size();
        benchmark::DoNotOptimize(png.constData());
    }
    state.counters["bytes"] = static_cast<double>(bytes);
}
BENCHMARK(BM_export_png)->Arg(0)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond);

} // namespace

// Saving through the window's command, as «Сохранить рисунок…» does, of the picture drawn with
// 3000 field lines from each charge (the densest picture a person draws): the clock time, and
// the longest time the interface thread's event loop went without control (a timer asks for it
// every 10 ms). Argument: 0 SVG, 1 PDF.
class AnswersWith : public FileChooser {
  public:
    explicit AnswersWith(QString path) : path_(std::move(path)) {}
    QString save_file_name(QWidget*, const QString&, const QString&, const QStringList&,
                           int& filter) override {
        filter = 0;
        return path_;
    }

  private:
    QString path_;
};

void BM_save_dense_picture(benchmark::State& state) {
    FieldParams params;
    params.lines_per_charge = 3000;
    SceneOn<WindowPictureBox> s(params);
    s.compute();
    s.pic.flush();
    const QTemporaryDir dir;
    const QString path = dir.filePath(state.range(0) == 0 ? "dense.svg" : "dense.pdf");
    AnswersWith chooser(path);
    RecordingDialogs dialogs;
    qint64 longest = 0;
    for (auto _ : state) {
        QFile::remove(path);
        QElapsedTimer clock;
        qint64 last = 0;
        QTimer tick;
        tick.setInterval(10);
        QObject::connect(&tick, &QTimer::timeout, [&] {
            longest = std::max(longest, clock.elapsed() - last);
            last = clock.elapsed();
        });
        clock.start();
        tick.start();
        save_picture(nullptr, s.pic, chooser, dialogs, {}, {}, {});
        longest = std::max(longest, clock.elapsed() - last);
    }
    state.counters["longest_wait_ms"] = static_cast<double>(longest);
    state.counters["bytes"] = static_cast<double>(QFileInfo(path).size());
}
BENCHMARK(BM_save_dense_picture)->Arg(0)->Arg(1)->Iterations(1)->Apply(in_milliseconds);
