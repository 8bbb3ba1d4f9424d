// The menus of the main window: help documents, information boxes, the Authors window, exit.
#include <QMenu>
#include <QMenuBar>
#include <QProxyStyle>

#include "ui/form1.h"
#include "ui/menus.h"
#include "ui/qt_dialogs.h"

namespace {

// Menus draw their item icons at 32 by 32 pixels.
class MenuIconStyle : public QProxyStyle {
  public:
    int pixelMetric(PixelMetric metric, const QStyleOption* option,
                    const QWidget* widget) const override {
        if (metric == PM_SmallIconSize) {
            return 32;
        }
        return QProxyStyle::pixelMetric(metric, option, widget);
    }
};

QAction* add_item(QMenu* menu, const char* name, const QString& caption, const char* icon) {
    QAction* a = menu->addAction(QIcon(QString::fromLatin1(icon)), caption);
    a->setObjectName(QString::fromLatin1(name));
    a->setIconVisibleInMenu(true);
    return a;
}

void add_separator(QMenu* menu, const char* name) {
    menu->addSeparator()->setObjectName(QString::fromLatin1(name));
}

} // namespace

void Form1::fill_menus() {
    mnuFile->setObjectName(QStringLiteral("mnuFile"));
    mnuHelp->setObjectName(QStringLiteral("mnuHelp"));

    mnuFilespravka =
        add_item(mnuFile, "mnuFilespravka", QStringLiteral("Справка"), ":/icons/menu_book.svg");
    add_separator(mnuFile, "mnuHelpSep1");
    mnuFileGauss = add_item(mnuFile, "mnuFileGauss", QStringLiteral("Гаусс"),
                            ":/icons/menu_oval_portrait.svg");
    add_separator(mnuFile, "mnuHelpSep2");
    mnuFileSavePicture = add_item(mnuFile, "mnuFileSavePicture",
                                  QStringLiteral("Сохранить рисунок…"), ":/icons/menu_save.svg");
    mnuFileSavePicture->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
    mnuFileCopyPicture = add_item(mnuFile, "mnuFileCopyPicture",
                                  QStringLiteral("Копировать рисунок"), ":/icons/menu_copy.svg");
    add_separator(mnuFile, "mnuFileSep3");
    mnuFileExit =
        add_item(mnuFile, "mnuFileExit", QStringLiteral("&Выход"), ":/icons/menu_power.svg");

    mnuHelpInstruction = add_item(mnuHelp, "mnuHelpInstruction", QStringLiteral("Инструкция"),
                                  ":/icons/menu_booklet_globe.svg");
    mnuHelpUprav =
        add_item(mnuHelp, "mnuHelpUprav", QStringLiteral("Управление"), ":/icons/menu_gear.svg");
    add_separator(mnuHelp, "mnuHelpSep3");
    mnuHelpAvtors =
        add_item(mnuHelp, "mnuHelpAvtors", QStringLiteral("Автор"), ":/icons/menu_portrait.svg");
    mnuHelpAbout = add_item(mnuHelp, "mnuHelpAbout", QStringLiteral("О программе"),
                            ":/icons/menu_question.svg");
    mnuHelpAbout2 =
        add_item(mnuHelp, "mnuHelpAbout2", QStringLiteral("Регистрация"), ":/icons/menu_seal.svg");

    for (QMenu* menu : {mnuFile, mnuHelp}) {
        auto* style = new MenuIconStyle;
        style->setParent(menu);
        menu->setStyle(style);
    }

    connect(mnuFilespravka, &QAction::triggered, this, [this] { mnuFilespravka_Click(); });
    connect(mnuFileGauss, &QAction::triggered, this, [this] { mnuFileGauss_Click(); });
    connect(mnuFileSavePicture, &QAction::triggered, this, [this] { mnuFileSavePicture_Click(); });
    connect(mnuFileCopyPicture, &QAction::triggered, this, [this] { mnuFileCopyPicture_Click(); });
    connect(mnuFileExit, &QAction::triggered, this, [this] { mnuFileExit_Click(); });
    connect(mnuHelpInstruction, &QAction::triggered, this, [this] { mnuHelpInstruction_Click(); });
    connect(mnuHelpUprav, &QAction::triggered, this, [this] { mnuHelpUprav_Click(); });
    connect(mnuHelpAvtors, &QAction::triggered, this, [this] { mnuHelpAvtors_Click(); });
    connect(mnuHelpAbout, &QAction::triggered, this, [this] { mnuHelpAbout_Click(); });
    connect(mnuHelpAbout2, &QAction::triggered, this, [this] { mnuHelpAbout2_Click(); });
}

// A document that cannot be shown is told of by the platform, at once or when the desktop
// reports it (see the constructor).
void Form1::mnuFilespravka_Click() {
    platform_.open_document(help_file_path(QStringLiteral("spravka.pdf")).toStdString());
}

void Form1::mnuFileGauss_Click() {
    platform_.open_document(help_file_path(QStringLiteral("gauss.pdf")).toStdString());
}

void Form1::mnuHelpUprav_Click() {
    platform_.open_document(help_file_path(QStringLiteral("uprav.pdf")).toStdString());
}

void Form1::mnuHelpInstruction_Click() {
    platform_.show_text_file(help_file_path(QStringLiteral("instruction.txt")).toStdString());
}

// The closing asks for confirmation in closeEvent, as the close box does.
void Form1::mnuFileExit_Click() {
    close();
}

void Form1::mnuHelpAbout_Click() {
    dialogs_.message(about_text(), "О ПРОГРАММЕ");
}

void Form1::mnuHelpAbout2_Click() {
    dialogs_.message(registration_text(), "РЕГИСТРАЦИЯ");
}

void Form1::mnuHelpAvtors_Click() {
    if (!form2) {
        form2 = new Form2(this);
    }
    form2->Label1->setText(dialog_text(authors_text()));
    // Centred on the main window, wherever it stands.
    // A window not shown yet has no frame: take the main window's frame as its measure.
    const QRect main = frameGeometry();
    const QSize own = form2->size() + (main.size() - geometry().size());
    form2->move(main.left() + (main.width() - own.width()) / 2,
                main.top() + (main.height() - own.height()) / 2);
    form2->show();
    form2->raise();
}
