#include "ui/qt_dialogs.h"

#include <QAbstractButton>
#include <QLibraryInfo>
#include <QMessageBox>
#include <QTranslator>

QString dialog_text(const std::string& text) {
    QString s = QString::fromStdString(text);
    s.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    s.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return s;
}

void set_russian_buttons(QMessageBox& box) {
    const std::pair<QMessageBox::StandardButton, QString> texts[] = {
        {QMessageBox::Ok, QStringLiteral("ОК")},
        {QMessageBox::Yes, QStringLiteral("Да")},
        {QMessageBox::No, QStringLiteral("Нет")},
    };
    for (const auto& [which, text] : texts) {
        if (QAbstractButton* b = box.button(which)) {
            b->setText(text);
        }
    }
}

bool install_russian_translations(QCoreApplication& app) {
    auto* qt = new QTranslator(&app);
    if (!qt->load(QStringLiteral("qtbase_ru"),
                  QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        delete qt;
        return false;
    }
    return QCoreApplication::installTranslator(qt);
}

void QtDialogs::message(const std::string& text, const std::string& title) {
    QMessageBox box(QMessageBox::NoIcon, QString::fromStdString(title), dialog_text(text),
                    QMessageBox::Ok, parent_);
    set_russian_buttons(box);
    box.exec();
}

bool QtDialogs::ask_yes_no(const std::string& text, const std::string& title) {
    QMessageBox box(QMessageBox::NoIcon, QString::fromStdString(title), dialog_text(text),
                    QMessageBox::Yes | QMessageBox::No, parent_);
    set_russian_buttons(box);
    return box.exec() == QMessageBox::Yes;
}
