// The real program under Xvfb: switch the point log on, double-click three points of the
// picture, switch it off, and read the file the program left in its working directory.
#include <QFile>
#include <cmath>

#include "e2e/e2e_support.h"
#include "support/log_header.h"

namespace {

// The charges at start-up: 0.4 nC at (-0.5, 0), -0.1 nC at (0.5, 0); 9 V*m/nC.
double potential(double x, double y) {
    return 9 * (0.4 / std::hypot(x + 0.5, y) - 0.1 / std::hypot(x - 0.5, y));
}
double field_x(double x, double y) {
    const double r1 = std::hypot(x + 0.5, y), r2 = std::hypot(x - 0.5, y);
    return 9 * (0.4 * (x + 0.5) / (r1 * r1 * r1) - 0.1 * (x - 0.5) / (r2 * r2 * r2));
}
double field_y(double x, double y) {
    const double r1 = std::hypot(x + 0.5, y), r2 = std::hypot(x - 0.5, y);
    return 9 * y * (0.4 / (r1 * r1 * r1) - 0.1 / (r2 * r2 * r2));
}

using EndToEnd = e2e::ProgramTest;

TEST_F(EndToEnd, PointLogSession) {
    // The picture spans -4..4 m both ways; the log box is in the readout column.
    ASSERT_GE(main.win.height(), e2e::MainWindowOnScreen::kInnerHeight);
    const double side = main.picture().width();
    const auto screen_of = [&](double x, double y) {
        return main.at(4 + static_cast<int>(std::lround((x + 4) / 8 * side)),
                       4 + static_cast<int>(std::lround((4 - y) / 8 * side)));
    };
    const QPoint log_box = main.at(670 + 30, 502 + 11);

    e2e::click_at(log_box);
    ASSERT_FALSE(e2e::wait_window(QStringLiteral("Подсказка")).isEmpty()) << "no hint shown";
    e2e::key(QStringLiteral("Return"));
    ASSERT_TRUE(e2e::wait_until([] {
        return e2e::find_windows(QStringLiteral("Подсказка")).isEmpty();
    })) << "hint still open";

    const QList<QPointF> targets = {{1, 1}, {-2, -0.5}, {2.5, 3}};
    for (const QPointF& t : targets) {
        e2e::click_at(screen_of(t.x(), t.y()), 2);
    }
    e2e::click_at(log_box);
    // The program logs each double click when it gets to it: wait for the header's five lines
    // and one line per point.
    QByteArray bytes;
    e2e::wait_until([&] {
        QFile f(program.working_directory() + QStringLiteral("/kerant.txt"));
        return f.open(QIODevice::ReadOnly) &&
               (bytes = f.readAll()).count('\n') >= 5 + targets.size();
    });
    ASSERT_TRUE(program.running());
    const QByteArray header = kDefaultLogHeader;
    ASSERT_TRUE(bytes.startsWith(header)) << bytes.toStdString();
    const QList<QByteArray> lines = bytes.mid(header.size()).split('\n');
    ASSERT_EQ(lines.size(), targets.size() + 1) << bytes.toStdString();
    EXPECT_TRUE(lines.back().isEmpty()); // the last line ends with CR LF too
    for (int i = 0; i < targets.size(); ++i) {
        QByteArray line = lines[i];
        ASSERT_TRUE(line.endsWith('\r'));
        line.chop(1);
        const QList<QByteArray> v = line.simplified().split(' ');
        ASSERT_EQ(v.size(), 5) << line.toStdString();
        const double x = v[0].toDouble(), y = v[1].toDouble();
        // Within two pixels of the point aimed at.
        EXPECT_NEAR(x, targets[i].x(), 2 * 8 / side);
        EXPECT_NEAR(y, targets[i].y(), 2 * 8 / side);
        EXPECT_NEAR(v[2].toDouble(), potential(x, y), 0.01);
        EXPECT_NEAR(v[3].toDouble(), field_x(x, y), 0.01);
        EXPECT_NEAR(v[4].toDouble(), field_y(x, y), 0.01);
    }
}

} // namespace
