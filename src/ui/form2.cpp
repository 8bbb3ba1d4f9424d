#include "ui/form2.h"

#include <QPainter>
#include <QPixmap>
#include <QSvgRenderer>

Form2::Form2(QWidget* parent) : QWidget(parent, Qt::Window) {
    setWindowTitle(QStringLiteral("Авторы"));
    setWindowIcon(QIcon(QStringLiteral(":/icons/chargefield.svg")));
    setFixedSize(kInnerWidth, kInnerHeight);

    Image1 = new QLabel(this);
    Image1->setGeometry(32, 8, 150, 180);
    QPixmap emblem(150, 180);
    emblem.fill(Qt::transparent);
    {
        QPainter p(&emblem);
        QSvgRenderer(QStringLiteral(":/icons/emblem.svg")).render(&p);
    }
    Image1->setPixmap(emblem);

    Label1 = new QLabel(this);
    Label1->setGeometry(8, 200, 209, 81);
    QFont f(QStringLiteral("Times New Roman"));
    f.setStyleHint(QFont::Serif);
    f.setPixelSize(11);
    Label1->setFont(f);
    Label1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Label1->setTextFormat(Qt::PlainText);
}
