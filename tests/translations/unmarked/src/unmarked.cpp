// A source whose second text a person would read in Russian whatever the language: the check of
// the translations must refuse it.
#include <QCoreApplication>

QString marked() {
    return QCoreApplication::translate("Sample", "Сохранить");
}

QString unmarked() {
    return QStringLiteral("Отмена");
}
