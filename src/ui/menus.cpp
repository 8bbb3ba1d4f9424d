#include "ui/menus.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#ifndef CHARGEFIELD_DATA_FROM_BIN
#define CHARGEFIELD_DATA_FROM_BIN "../share/chargefield"
#endif

namespace {

std::string translated_text(const char* text) {
    return QCoreApplication::translate("Menus", text).toStdString();
}

} // namespace

std::string about_text() {
    return translated_text(QT_TRANSLATE_NOOP(
        "Menus",
        "Программа строго рассчитывает структуру\r"
        " линий напряжённости и эквипотенциальных линий\r\n"
        "двух точечных зарядов (маленьких шариков) произвольной величины.\r\n"
        "   \r\n"
        "История версий:\r\n"
        "1.0.0 — Linux (Debian 12, Qt 6), 2026 — первый выпуск: линии поля и потенциала,\r\n"
        "характерные линии и точки, показания под указателем, журнал точек, графики профилей.\r\n"
        "  "));
}

std::string registration_text() {
    return translated_text(QT_TRANSLATE_NOOP(
        "Menus", "chargefield — свободная программа для изучения электростатического "
                 "поля\r\n"
                 "двух точечных зарядов.\r\n"
                 "Государственной регистрации программа не проходила.\r\n"
                 "Версия 1.0.0, первый выпуск, 2026 год.\r\n"
                 "Лицензия MIT: Copyright (c) 2026 the chargefield developers.\r\n"
                 "Полный текст лицензии — в файле LICENSE."));
}

std::string authors_text() {
    return translated_text(QT_TRANSLATE_NOOP("Menus", "chargefield, декабрь 2026\r\n"
                                                      "программа для изучения\r\n"
                                                      "поля двух точечных зарядов\r\n"
                                                      "разработчики проекта\r\n"
                                                      "chargefield\r\n"
                                                      "версия 1.0.0, лицензия MIT"));
}

std::string document_failure_text(const std::string& path, const std::string& missing) {
    return QCoreApplication::translate("Menus", "Документ не открывается:\r\n%1\r\n%2")
        .arg(QString::fromStdString(path), QString::fromStdString(missing))
        .toStdString();
}

QString data_dir_from_bin() {
    return QStringLiteral(CHARGEFIELD_DATA_FROM_BIN);
}

QString help_file_path(const QString& name, const QString& current_dir, const QString& app_dir) {
    const QString candidates[] = {
        QDir(current_dir).filePath(name),
        QDir(QDir(app_dir).filePath(data_dir_from_bin())).filePath(name),
        QDir(app_dir).filePath(name),
    };
    for (const QString& c : candidates) {
        const QFileInfo fi(c);
        if (fi.isFile()) {
            return QDir::cleanPath(fi.absoluteFilePath());
        }
    }
    return QDir::cleanPath(QFileInfo(candidates[0]).absoluteFilePath());
}

QString help_document(const QString& name, Language language) {
    return language == Language::English ? QStringLiteral("en/") + name : name;
}

QString help_file_path(const QString& name) {
    return help_file_path(help_document(name, current_language()), QDir::currentPath(),
                          QCoreApplication::applicationDirPath());
}
