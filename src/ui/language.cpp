#include "ui/language.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QSettings>
#include <QTranslator>

#include "base/file_output.h"

namespace {

// The translators live as children of the application, under these names, so that a language
// applied again finds and removes those of the one before.
constexpr const char* kOwnName = "chargefield_translator";
constexpr const char* kQtName = "chargefield_qt_translator";
constexpr const char* kLanguageKey = "language";

class QtTranslator : public Translator {
  public:
    std::string translate(const SourceText& text) const override {
        if (QCoreApplication::instance() == nullptr) {
            return text.text;
        }
        return QCoreApplication::translate(text.context, text.text).toStdString();
    }
};

QSettings settings() {
    return QSettings(QStringLiteral("chargefield"), QStringLiteral("chargefield"));
}

void remove_translator(QCoreApplication* app, const char* name) {
    if (auto* t = app->findChild<QTranslator*>(QLatin1String(name), Qt::FindDirectChildrenOnly)) {
        QCoreApplication::removeTranslator(t);
        delete t;
    }
}

// Loads a translator under `name` and installs it; false when there is no such file.
bool install(QCoreApplication* app, const char* name, const QString& file, const QString& dir) {
    auto* t = new QTranslator(app);
    t->setObjectName(QLatin1String(name));
    if (!t->load(file, dir)) {
        delete t;
        return false;
    }
    return QCoreApplication::installTranslator(t);
}

} // namespace

QString language_code(Language language) {
    return language == Language::English ? QStringLiteral("en") : QStringLiteral("ru");
}

std::optional<Language> language_from_code(std::string_view code) {
    if (code == "ru") {
        return Language::Russian;
    }
    if (code == "en") {
        return Language::English;
    }
    return std::nullopt;
}

void apply_language(Language language) {
    QCoreApplication* app = QCoreApplication::instance();
    if (app == nullptr) {
        return;
    }
    const QString applied = app->property(kOwnName).toString();
    if (!applied.isEmpty() && applied == language_code(language)) {
        return;
    }
    app->setProperty(kOwnName, language_code(language));
    remove_translator(app, kOwnName);
    remove_translator(app, kQtName);
    if (language == Language::English) {
        install(app, kOwnName, QStringLiteral("chargefield_en"), QStringLiteral(":/i18n"));
    } else {
        install(app, kQtName, QStringLiteral("qtbase_ru"),
                QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    }
}

Language current_language() {
    const QCoreApplication* app = QCoreApplication::instance();
    return app != nullptr && app->property(kOwnName).toString() == QLatin1String("en")
               ? Language::English
               : Language::Russian;
}

Language remembered_language() {
    const QString code = settings().value(QLatin1String(kLanguageKey)).toString();
    return language_from_code(code.toStdString()).value_or(Language::Russian);
}

bool remember_language(Language language) {
    QSettings s = settings();
    s.setValue(QLatin1String(kLanguageKey), language_code(language));
    s.sync();
    return s.status() == QSettings::NoError;
}

QString settings_problem() {
    const QString file = settings().fileName();
    const QFileInfo info(file);
    // A folder the settings could not be made in is told as such.
    const QString written = info.dir().exists() ? file : info.path();
    const std::string why =
        output_problem(QFile::encodeName(written).toStdString(), &interface_translator());
    return QDir::toNativeSeparators(file) + QStringLiteral(":\r\n") +
           (why.empty() ? QCoreApplication::translate("Language", "файл не удалось записать")
                        : QString::fromStdString(why));
}

const Translator& interface_translator() {
    static const QtTranslator translator;
    return translator;
}

std::string interface_text(const SourceText& text) {
    return translated(&interface_translator(), text);
}
