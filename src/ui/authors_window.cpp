#include "ui/authors_window.h"

#include <QEvent>
#include <QKeyEvent>
#include <QPainter>
#include <QPixmap>
#include <QSvgRenderer>

#include "ui/menus.h"
#include "ui/qt_dialogs.h"

AuthorsWindow::AuthorsWindow(QWidget* parent) : QWidget(parent, Qt::Window) {
    setWindowIcon(QIcon(QStringLiteral(":/icons/chargefield.svg")));
    setFixedSize(kInnerWidth, kInnerHeight);

    emblem = new QLabel(this);
    emblem->setObjectName(QStringLiteral("emblem"));
    emblem->setGeometry(32, 8, 150, 180);
    QPixmap image(150, 180);
    image.fill(Qt::transparent);
    {
        QPainter p(&image);
        QSvgRenderer(QStringLiteral(":/icons/emblem.svg")).render(&p);
    }
    emblem->setPixmap(image);

    credits = new QLabel(this);
    credits->setObjectName(QStringLiteral("credits"));
    credits->setGeometry(8, 200, 209, 81);
    QFont f(QStringLiteral("Times New Roman"));
    f.setStyleHint(QFont::Serif);
    f.setPixelSize(11);
    credits->setFont(f);
    credits->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    credits->setTextFormat(Qt::PlainText);
    retranslate();
}

void AuthorsWindow::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange) {
        retranslate();
    }
    QWidget::changeEvent(event);
}

void AuthorsWindow::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        close();
        return;
    }
    QWidget::keyPressEvent(event);
}

void AuthorsWindow::retranslate() {
    setWindowTitle(tr("Авторы"));
    emblem->setAccessibleName(tr("Эмблема программы"));
    emblem->setAccessibleDescription(tr("Рисунок: эмблема chargefield"));
    credits->setText(dialog_text(authors_text()));
    // Its name is its text, the lines about the program.
    credits->setAccessibleDescription(tr("Сведения о программе и её разработчиках"));
}
