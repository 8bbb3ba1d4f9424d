#include "ui/menus.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#ifndef CHARGEFIELD_DATA_FROM_BIN
#define CHARGEFIELD_DATA_FROM_BIN "../share/chargefield"
#endif

std::string about_text() {
    std::string s;
    s += "Программа строго рассчитывает структуру";
    s += "\r";
    s += " линий напряжённости и эквипотенциальных линий";
    s += "\r\n";
    s += "двух точечных зарядов (маленьких шариков) произвольной величины.";
    s += "\r\n";
    s += "   ";
    s += "\r\n";
    s += "История версий:";
    s += "\r\n";
    s += "1.0.0 — Linux (Debian 12, Qt 6), 2026 — первый выпуск: линии поля и потенциала,";
    s += "\r\n";
    s += "характерные линии и точки, показания под указателем, журнал точек, графики профилей.";
    s += "\r\n";
    s += "  ";
    return s;
}

std::string registration_text() {
    return "chargefield — свободная программа для изучения электростатического поля\r\n"
           "двух точечных зарядов.\r\n"
           "Государственной регистрации программа не проходила.\r\n"
           "Версия 1.0.0, первый выпуск, 2026 год.\r\n"
           "Лицензия MIT: Copyright (c) 2026 the chargefield developers.\r\n"
           "Полный текст лицензии — в файле LICENSE.";
}

std::string authors_text() {
    return "chargefield, декабрь 2026\r\n"
           "программа для изучения\r\n"
           "поля двух точечных зарядов\r\n"
           "разработчики проекта\r\n"
           "chargefield\r\n"
           "версия 1.0.0, лицензия MIT";
}

std::string document_failure_text(const std::string& path, const std::string& missing) {
    return "Документ не открывается:\r\n" + path + "\r\n" + missing;
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

QString help_file_path(const QString& name) {
    return help_file_path(name, QDir::currentPath(), QCoreApplication::applicationDirPath());
}
