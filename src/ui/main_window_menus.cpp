// The menus of the main window: help documents, saving, copying and printing the picture, the
// views and the language, information boxes, the Authors window, exit.
#include <QActionGroup>
#include <QCoreApplication>
#include <QMenu>
#include <QMenuBar>
#include <QProxyStyle>

#include "ui/language.h"
#include "ui/main_window.h"
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

QAction* add_item(QMenu* menu, const char* name, const char* icon) {
    QAction* a = menu->addAction(QIcon(QString::fromLatin1(icon)), QString());
    a->setObjectName(QString::fromLatin1(name));
    a->setIconVisibleInMenu(true);
    return a;
}

void add_separator(QMenu* menu, const char* name) {
    menu->addSeparator()->setObjectName(QString::fromLatin1(name));
}

// An item with a check mark, off; its caption comes with retranslate_menus().
QAction* add_check(QMenu* menu, const char* name) {
    QAction* a = menu->addAction(QString());
    a->setObjectName(QString::fromLatin1(name));
    a->setCheckable(true);
    return a;
}

} // namespace

void MainWindowControls::create_menus(QMenuBar* bar) {
    file_menu = bar->addMenu(QString());
    view_menu = bar->addMenu(QString());
    help_menu = bar->addMenu(QString());
    file_menu->setObjectName(QStringLiteral("file_menu"));
    view_menu->setObjectName(QStringLiteral("view_menu"));
    help_menu->setObjectName(QStringLiteral("help_menu"));

    spravka_action = add_item(file_menu, "spravka_action", ":/icons/menu_book.svg");
    add_separator(file_menu, "file_separator_1");
    gauss_action = add_item(file_menu, "gauss_action", ":/icons/menu_oval_portrait.svg");
    add_separator(file_menu, "file_separator_2");
    save_picture_action = add_item(file_menu, "save_picture_action", ":/icons/menu_save.svg");
    save_picture_action->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
    copy_picture_action = add_item(file_menu, "copy_picture_action", ":/icons/menu_copy.svg");
    print_action = add_item(file_menu, "print_action", ":/icons/menu_print.svg");
    print_action->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_P));
    print_preview_action =
        add_item(file_menu, "print_preview_action", ":/icons/menu_print_preview.svg");
    add_separator(file_menu, "file_separator_3");
    exit_action = add_item(file_menu, "exit_action", ":/icons/menu_power.svg");

    potential_map_action = add_check(view_menu, "potential_map_action");
    arrows_action = add_check(view_menu, "arrows_action");
    flux_lines_action = add_check(view_menu, "flux_lines_action");
    exact_equipotentials_action = add_check(view_menu, "exact_equipotentials_action");
    charge_marks_action = add_check(view_menu, "charge_marks_action");
    add_separator(view_menu, "view_separator_1");
    live_action = add_check(view_menu, "live_action");
    add_separator(view_menu, "view_separator_2");
    // The languages, each named in its own, under a title that both can read.
    language_menu = view_menu->addMenu(QStringLiteral("Язык / Language"));
    language_menu->setObjectName(QStringLiteral("language_menu"));
    russian_action = language_menu->addAction(QStringLiteral("Русский"));
    russian_action->setObjectName(QStringLiteral("russian_action"));
    english_action = language_menu->addAction(QStringLiteral("English"));
    english_action->setObjectName(QStringLiteral("english_action"));
    auto* languages = new QActionGroup(language_menu);
    for (QAction* a : {russian_action, english_action}) {
        a->setCheckable(true);
        languages->addAction(a);
    }
    languages->setExclusive(true);

    instruction_action =
        add_item(help_menu, "instruction_action", ":/icons/menu_booklet_globe.svg");
    uprav_action = add_item(help_menu, "uprav_action", ":/icons/menu_gear.svg");
    add_separator(help_menu, "help_separator_1");
    authors_action = add_item(help_menu, "authors_action", ":/icons/menu_portrait.svg");
    about_action = add_item(help_menu, "about_action", ":/icons/menu_question.svg");
    registration_action = add_item(help_menu, "registration_action", ":/icons/menu_seal.svg");

    for (QMenu* menu : {file_menu, help_menu}) {
        auto* style = new MenuIconStyle;
        style->setParent(menu);
        menu->setStyle(style);
    }
}

void MainWindowControls::retranslate_menus() {
    const auto say = [](const char* text) {
        return QCoreApplication::translate("MainWindow", text);
    };
    // The ampersand underlines the letter that opens the menu with Alt; it is not shown.
    const char* const file_title = QT_TRANSLATE_NOOP("MainWindow", "&Файл");
    const char* const help_title = QT_TRANSLATE_NOOP("MainWindow", "&Помощь");
    const char* const view_title = QT_TRANSLATE_NOOP("MainWindow", "&Вид");
    file_menu->setTitle(say(file_title));
    view_menu->setTitle(say(view_title));
    help_menu->setTitle(say(help_title));
    const std::pair<QAction*, const char*> items[] = {
        {spravka_action, QT_TRANSLATE_NOOP("MainWindow", "Справка")},
        {gauss_action, QT_TRANSLATE_NOOP("MainWindow", "Гаусс")},
        {save_picture_action, QT_TRANSLATE_NOOP("MainWindow", "Сохранить рисунок…")},
        {copy_picture_action, QT_TRANSLATE_NOOP("MainWindow", "Копировать рисунок")},
        {print_action, QT_TRANSLATE_NOOP("MainWindow", "Печать…")},
        {print_preview_action, QT_TRANSLATE_NOOP("MainWindow", "Предварительный просмотр…")},
        {exit_action, QT_TRANSLATE_NOOP("MainWindow", "&Выход")},
        {potential_map_action, QT_TRANSLATE_NOOP("MainWindow", "Карта потенциала")},
        {arrows_action, QT_TRANSLATE_NOOP("MainWindow", "Стрелки поля")},
        {flux_lines_action, QT_TRANSLATE_NOOP("MainWindow", "Линии поля равного потока")},
        {exact_equipotentials_action, QT_TRANSLATE_NOOP("MainWindow", "Точные эквипотенциали")},
        {charge_marks_action, QT_TRANSLATE_NOOP("MainWindow", "Заряды и направления")},
        {live_action, QT_TRANSLATE_NOOP("MainWindow", "Пересчитывать сразу")},
        {instruction_action, QT_TRANSLATE_NOOP("MainWindow", "Инструкция")},
        {uprav_action, QT_TRANSLATE_NOOP("MainWindow", "Управление")},
        {authors_action, QT_TRANSLATE_NOOP("MainWindow", "Автор")},
        {about_action, QT_TRANSLATE_NOOP("MainWindow", "О программе")},
        {registration_action, QT_TRANSLATE_NOOP("MainWindow", "Регистрация")},
    };
    for (const auto& [action, text] : items) {
        action->setText(say(text));
    }
    (current_language() == Language::English ? english_action : russian_action)->setChecked(true);
}

void MainWindow::connect_menus() {
    connect(ui.spravka_action, &QAction::triggered, this, &MainWindow::open_spravka);
    connect(ui.gauss_action, &QAction::triggered, this, &MainWindow::open_gauss);
    connect(ui.save_picture_action, &QAction::triggered, this, &MainWindow::save_field_picture);
    connect(ui.copy_picture_action, &QAction::triggered, this, &MainWindow::copy_field_picture);
    connect(ui.print_action, &QAction::triggered, this, &MainWindow::print_field_picture);
    connect(ui.print_preview_action, &QAction::triggered, this, &MainWindow::preview_field_picture);
    // The exit asks for confirmation in closeEvent, as the close box does.
    connect(ui.exit_action, &QAction::triggered, this, &QWidget::close);
    for (QAction* a : {ui.potential_map_action, ui.arrows_action, ui.flux_lines_action,
                       ui.exact_equipotentials_action, ui.charge_marks_action}) {
        connect(a, &QAction::toggled, this, &MainWindow::on_views_chosen);
    }
    connect(ui.live_action, &QAction::toggled, this, &MainWindow::on_live_toggled);
    connect(ui.instruction_action, &QAction::triggered, this, &MainWindow::open_instruction);
    connect(ui.uprav_action, &QAction::triggered, this, &MainWindow::open_uprav);
    connect(ui.authors_action, &QAction::triggered, this, &MainWindow::show_authors);
    connect(ui.about_action, &QAction::triggered, this, &MainWindow::show_about);
    connect(ui.registration_action, &QAction::triggered, this, &MainWindow::show_registration);
    connect(ui.russian_action, &QAction::triggered, this,
            [this] { choose_language(Language::Russian); });
    connect(ui.english_action, &QAction::triggered, this,
            [this] { choose_language(Language::English); });
}

void MainWindow::choose_language(Language language) {
    const bool kept = remember_language(language);
    apply_language(language);
    // Told once, in the language chosen: later choices would only repeat it.
    if (!kept && !told_language_not_kept_) {
        told_language_not_kept_ = true;
        dialogs_.message(tr("Выбор языка не удалось запомнить для следующих запусков, файл "
                            "настроек\r\n%1.\r\nДо конца работы язык остаётся выбранным.")
                             .arg(settings_problem())
                             .toStdString(),
                         interface_text(kWarningTitle));
    }
}

// A document that cannot be shown is told of by the platform, at once or when the desktop
// reports it (see the constructor).
void MainWindow::open_spravka() {
    platform_.open_document(help_file_path(QStringLiteral("spravka.pdf")).toStdString());
}

void MainWindow::open_gauss() {
    platform_.open_document(help_file_path(QStringLiteral("gauss.pdf")).toStdString());
}

void MainWindow::open_uprav() {
    platform_.open_document(help_file_path(QStringLiteral("uprav.pdf")).toStdString());
}

void MainWindow::open_instruction() {
    platform_.show_text_file(help_file_path(QStringLiteral("instruction.txt")).toStdString());
}

void MainWindow::show_about() {
    dialogs_.message(about_text(), tr("О ПРОГРАММЕ").toStdString());
}

void MainWindow::show_registration() {
    dialogs_.message(registration_text(), tr("РЕГИСТРАЦИЯ").toStdString());
}

void MainWindow::show_authors() {
    if (!authors_window_) {
        authors_window_ = new AuthorsWindow(this);
    }
    // Centred on the main window, wherever it stands. A window not shown yet has no frame:
    // take the main window's frame as its measure.
    const QRect main = frameGeometry();
    const QSize own = authors_window_->size() + (main.size() - geometry().size());
    authors_window_->move(main.left() + (main.width() - own.width()) / 2,
                          main.top() + (main.height() - own.height()) / 2);
    authors_window_->show();
    authors_window_->raise();
}
