// Builds the real main window off screen, computes the default picture, grabs the window and
// marks its controls with numbered labels, for the description of the controls.
// Usage: window_shot output.png
#include <QApplication>
#include <QMenuBar>
#include <QPainter>
#include <cstdio>
#include <vector>

#include "model/field_params.h"
#include "ui/form1.h"

namespace {

class SilentDialogs : public Dialogs {
  public:
    void message(const std::string&, const std::string&) override {}
    bool ask_yes_no(const std::string&, const std::string&) override { return false; }
};

class SilentPlatform : public Platform {
  public:
    bool open_document(const std::string&) override { return false; }
    bool show_text_file(const std::string&) override { return false; }
    bool tone(int, int) override { return false; }
};

// Where a label goes: the control it marks and the side of it.
struct Mark {
    int number;
    QWidget* widget;
    enum Side { Left, Right, Inside } side;
};

} // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: window_shot output.png\n");
        return 2;
    }
    FieldParams m;
    SilentDialogs dialogs;
    SilentPlatform platform;
    Form1 form(m, dialogs, platform);
    form.show();
    QApplication::processEvents();
    form.CmdOK_Click();
    QApplication::processEvents();

    const QPixmap shot = form.grab();
    const int pad_left = 0;
    const int pad_right = 34;
    QImage out(shot.width() + pad_left + pad_right, shot.height(), QImage::Format_RGB32);
    out.fill(Qt::white);
    QPainter p(&out);
    p.drawPixmap(pad_left, 0, shot);
    p.setRenderHint(QPainter::Antialiasing);

    const std::vector<Mark> marks = {
        {1, form.menuBar(), Mark::Inside}, {2, form.Picture1, Mark::Inside},
        {3, form.VScroll1, Mark::Right},   {4, form.VScroll2, Mark::Right},
        {5, form.VScroll3, Mark::Right},   {6, form.List1, Mark::Right},
        {7, form.Text1, Mark::Right},      {8, form.Text2, Mark::Right},
        {9, form.CmdOK, Mark::Right},      {10, form.Check_4, Mark::Right},
        {11, form.Text5, Mark::Right},     {12, form.Check_6, Mark::Right},
        {13, form.Label16, Mark::Right},   {14, form.Command1, Mark::Right},
        {15, form.Text4, Mark::Right},     {16, form.Check_p, Mark::Right},
    };
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPixelSize(12);
    font.setBold(true);
    p.setFont(font);
    const int r = 10;
    for (const Mark& mk : marks) {
        const QRect g(mk.widget->mapTo(&form, QPoint(0, 0)), mk.widget->size());
        QPoint c;
        switch (mk.side) {
        case Mark::Inside:
            c = mk.widget == form.menuBar() ? QPoint(g.left() + 150, g.center().y())
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
    return out.save(QString::fromLocal8Bit(argv[1]), "PNG") ? 0 : 1;
}
