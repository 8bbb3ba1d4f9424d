#include "ui/qt_dialogs.h"

#include <QAbstractButton>
#include <QMessageBox>

QString dialog_text(const std::string& text) {
    QString s = QString::fromStdString(text);
    s.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    s.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return s;
}

void set_buttons(QMessageBox& box) {
    const std::pair<QMessageBox::StandardButton, QString> texts[] = {
        {QMessageBox::Ok, QCoreApplication::translate("Dialogs", "ОК")},
        {QMessageBox::Yes, QCoreApplication::translate("Dialogs", "Да")},
        {QMessageBox::No, QCoreApplication::translate("Dialogs", "Нет")},
    };
    for (const auto& [which, text] : texts) {
        if (QAbstractButton* b = box.button(which)) {
            b->setText(text);
        }
    }
}

void QtDialogs::message(const std::string& text, const std::string& title) {
    QMessageBox box(QMessageBox::NoIcon, QString::fromStdString(title), dialog_text(text),
                    QMessageBox::Ok, parent_);
    set_buttons(box);
    box.exec();
}

bool QtDialogs::ask_yes_no(const std::string& text, const std::string& title) {
    QMessageBox box(QMessageBox::NoIcon, QString::fromStdString(title), dialog_text(text),
                    QMessageBox::Yes | QMessageBox::No, parent_);
    set_buttons(box);
    return box.exec() == QMessageBox::Yes;
}
