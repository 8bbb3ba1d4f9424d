// Builds the real main window off screen, computes the default picture, grabs the window and
// marks its controls with numbered labels, for the description of the controls.
// Usage: window_shot [--language en] output.png
#include <QApplication>
#include <QMenuBar>
#include <QPainter>
#include <cstdio>
#include <string_view>
#include <vector>

#include "base/silent.h"
#include "model/field_params.h"
#include "ui/language.h"
#include "ui/main_window.h"

namespace {

// Where a label goes: the control it marks and the side of it.
struct Mark {
    int number;
    QWidget* widget;
    enum Side { Left, Right, Inside } side;
};

} // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    // "--language en" first: the window in English, for the English description.
    const bool english =
        argc == 4 && std::string_view(argv[1]) == "--language" && std::string_view(argv[2]) == "en";
    if (argc != 2 && !english) {
        std::fprintf(stderr, "usage: window_shot [--language en] output.png\n");
        return 2;
    }
    apply_language(english ? Language::English : Language::Russian);
    FieldParams m;
    SilentDialogs dialogs;
    SilentPlatform platform;
    MainWindow window(m, dialogs, platform);
    window.show();
    QApplication::processEvents();
    window.compute();
    QApplication::processEvents();

    const QPixmap shot = window.grab();
    const int pad_left = 0;
    const int pad_right = 34;
    QImage out(shot.width() + pad_left + pad_right, shot.height(), QImage::Format_RGB32);
    out.fill(Qt::white);
    QPainter p(&out);
    p.drawPixmap(pad_left, 0, shot);
    p.setRenderHint(QPainter::Antialiasing);

    const MainWindowControls& ui = window.ui;
    const std::vector<Mark> marks = {
        {1, window.menuBar(), Mark::Inside},
        {2, ui.picture, Mark::Inside},
        {3, ui.q1_bar, Mark::Right},
        {4, ui.q2_bar, Mark::Right},
        {5, ui.size_bar, Mark::Right},
        {6, ui.families_list, Mark::Right},
        {7, ui.level_count_edit, Mark::Right},
        {8, ui.line_count_edit, Mark::Right},
        {9, ui.compute_button, Mark::Right},
        {10, ui.phi_along_y_check, Mark::Right},
        {11, ui.x_fixed_edit, Mark::Right},
        {12, ui.ey_along_y_check, Mark::Right},
        {13, ui.readout_phi_value, Mark::Right},
        {14, ui.chosen_potential_button, Mark::Right},
        {15, ui.chosen_potential_edit, Mark::Right},
        {16, ui.log_check, Mark::Right},
    };
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPixelSize(12);
    font.setBold(true);
    p.setFont(font);
    const int r = 10;
    for (const Mark& mk : marks) {
        const QRect g(mk.widget->mapTo(&window, QPoint(0, 0)), mk.widget->size());
        QPoint c;
        switch (mk.side) {
        case Mark::Inside:
            // The menu bar's mark just right of its last title.
            c = mk.widget == window.menuBar()
                    ? QPoint(g.left() +
                                 window.menuBar()
                                     ->actionGeometry(window.menuBar()->actions().last())
                                     .right() +
                                 r + 6,
                             g.center().y())
                    : QPoint(g.left() + 26, g.top() + 26);
            break;
        case Mark::Left:
            c = QPoint(g.left() - r - 2, g.center().y());
            break;
        case Mark::Right:
            c = QPoint(g.right() + r + 3, g.center().y());
            break;
        }
        c.rx() = std::min(c.x() + pad_left, out.width() - r - 1);
        p.setPen(QPen(QColor(200, 0, 0), 2));
        p.setBrush(QColor(255, 240, 60));
        p.drawEllipse(c, r, r);
        p.setPen(Qt::black);
        p.drawText(QRect(c.x() - r, c.y() - r, 2 * r, 2 * r), Qt::AlignCenter,
                   QString::number(mk.number));
    }
    p.end();
    return out.save(QString::fromLocal8Bit(argv[argc - 1]), "PNG") ? 0 : 1;
}
