// The interface in English and back, with every window open: every text a person reads or a
// screen reader says is English at once (the pictures' texts once they are drawn again, the
// characteristic lines' explanations when asked for), and back in Russian every text is as it
// was before.
#include <QApplication>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QRegularExpression>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest/QTest>
#include <gtest/gtest.h>
#include <map>

#include "support/main_window.h"
#include "ui/language.h"

namespace {

bool has_cyrillic(const QString& s) {
    return std::any_of(s.begin(), s.end(),
                       [](QChar c) { return c.unicode() >= 0x0400 && c.unicode() <= 0x04FF; });
}

// The language menu names each language in its own, under a title both can read.
bool names_a_language(const QString& s) {
    return s == QStringLiteral("Язык / Language") || s == QStringLiteral("Русский");
}

// Every text of a window and of the widgets and actions in it, by where it is.
using Texts = std::map<QString, QString>;

void collect(QWidget* window, Texts& out) {
    QList<QWidget*> widgets = window->findChildren<QWidget*>();
    widgets.prepend(window);
    const QString prefix = window->metaObject()->className() + QStringLiteral(":") +
                           window->objectName() + window->windowTitle().left(0);
    int n = 0;
    const auto add = [&](const QString& where, const QString& text) {
        if (!text.isEmpty()) {
            out[prefix + QStringLiteral("/") + where] = text;
        }
    };
    for (QWidget* w : widgets) {
        const QString id = QString::number(n++) + QLatin1Char(':') + w->objectName();
        add(id + QStringLiteral(" title"), w->windowTitle());
        add(id + QStringLiteral(" tip"), w->toolTip());
        add(id + QStringLiteral(" name"), w->accessibleName());
        add(id + QStringLiteral(" description"), w->accessibleDescription());
        if (const auto* l = qobject_cast<QLabel*>(w)) {
            add(id + QStringLiteral(" text"), l->text());
        } else if (const auto* b = qobject_cast<QAbstractButton*>(w)) {
            add(id + QStringLiteral(" text"), b->text());
        } else if (const auto* m = qobject_cast<QMenu*>(w)) {
            add(id + QStringLiteral(" menu"), m->title());
        } else if (const auto* list = qobject_cast<QListWidget*>(w)) {
            for (int i = 0; i < list->count(); ++i) {
                add(id + QStringLiteral(" item ") + QString::number(i), list->item(i)->text());
            }
        }
    }
    n = 0;
    for (const QAction* a : window->findChildren<QAction*>()) {
        const QString id =
            QStringLiteral("action ") + QString::number(n++) + QLatin1Char(':') + a->objectName();
        add(id + QStringLiteral(" text"), a->text());
        add(id + QStringLiteral(" tip"), a->toolTip());
    }
}

// The texts drawn in a picture.
QStringList picture_texts(const QtPictureBox& picture) {
    QStringList texts;
    const DisplayList& list = picture.display_list();
    for (const DrawOp& op : list.ops()) {
        if (op.kind == DrawOp::Kind::Text) {
            const std::string_view t = list.text_of(op);
            texts << QString::fromUtf8(t.data(), static_cast<qsizetype>(t.size()));
        }
    }
    return texts;
}

struct Windows {
    ShownMainWindow w;
    Windows() {
        w.window.compute();
        for (const ProfileKind& kind : kProfiles) {
            w.ui.profile_check(kind.id)->setChecked(true);
        }
        w.window.show_authors();
    }
    ~Windows() { apply_language(Language::Russian); }
    Texts texts() {
        Texts t;
        collect(&w.window, t);
        for (const ProfileKind& kind : kProfiles) {
            collect(&w.window.profile(kind.id), t);
        }
        collect(w.window.authors_window(), t);
        return t;
    }
    void choose(QAction* language) {
        language->trigger();
        QCoreApplication::processEvents();
    }
    // The pictures drawn again and the three characteristic lines explained; their texts.
    QStringList redrawn_and_explained() {
        w.dialogs.shown.clear();
        w.window.relayout_and_redraw();
        w.window.explain_zero_potential();
        w.window.explain_zero_field();
        w.window.explain_field_direction();
        QStringList texts = picture_texts(*w.ui.picture);
        for (const ProfileKind& kind : kProfiles) {
            ProfileWindow& p = w.window.profile(kind.id);
            p.redraw();
            texts << picture_texts(*p.picture);
        }
        for (const auto& box : w.dialogs.shown) {
            texts << QString::fromStdString(box.title) << QString::fromStdString(box.text);
        }
        return texts;
    }
};

TEST(Language, EveryWindowInEnglishAndBackInRussian) {
    Windows s;
    const QStringList russian_drawn = s.redrawn_and_explained();
    EXPECT_EQ(s.w.dialogs.shown.size(), 3u);
    const Texts russian = s.texts();
    ASSERT_GT(russian.size(), 150u);

    s.choose(s.w.ui.english_action);
    EXPECT_EQ(current_language(), Language::English);
    EXPECT_EQ(remembered_language(), Language::English);
    EXPECT_TRUE(s.w.ui.english_action->isChecked());
    EXPECT_FALSE(s.w.ui.russian_action->isChecked());
    const Texts english = s.texts();
    EXPECT_EQ(english.size(), russian.size());
    int changed = 0;
    for (const auto& [where, text] : english) {
        EXPECT_FALSE(has_cyrillic(text) && !names_a_language(text))
            << where.toStdString() << ": " << text.toStdString();
        changed += russian.count(where) != 0 && russian.at(where) != text;
    }
    EXPECT_GT(changed, 120);
    EXPECT_TRUE(s.w.window.windowTitle().startsWith(
        QStringLiteral("Asymmetric electrostatic fields of 2 point charges")))
        << s.w.window.windowTitle().toStdString();

    // The pictures and the explanations: English words, the same numbers.
    const QStringList english_drawn = s.redrawn_and_explained();
    ASSERT_EQ(english_drawn.size(), russian_drawn.size());
    for (const QString& text : english_drawn) {
        EXPECT_FALSE(has_cyrillic(text)) << text.toStdString();
    }
    EXPECT_TRUE(english_drawn.contains(QStringLiteral("X, m")));
    EXPECT_TRUE(english_drawn.contains(QStringLiteral("Line of zero potential")));
    const QRegularExpression number(QStringLiteral("-?\\d+\\.\\d\\d"));
    for (qsizetype i = 0; i < english_drawn.size(); ++i) {
        QStringList ru, en;
        for (auto it = number.globalMatch(russian_drawn[i]); it.hasNext();) {
            ru << it.next().captured();
        }
        for (auto it = number.globalMatch(english_drawn[i]); it.hasNext();) {
            en << it.next().captured();
        }
        EXPECT_EQ(en, ru) << english_drawn[i].toStdString();
    }

    // The help documents are the English ones.
    s.w.window.open_spravka();
    ASSERT_FALSE(s.w.platform.documents.empty());
    EXPECT_TRUE(QString::fromStdString(s.w.platform.documents.back()).endsWith("/en/spravka.pdf"));

    s.choose(s.w.ui.russian_action);
    EXPECT_EQ(remembered_language(), Language::Russian);
    EXPECT_TRUE(s.w.ui.russian_action->isChecked());
    const Texts again = s.texts();
    for (const auto& [where, text] : russian) {
        EXPECT_EQ(again.count(where) ? again.at(where) : QString(), text) << where.toStdString();
    }
    EXPECT_EQ(again.size(), russian.size());
    EXPECT_EQ(s.redrawn_and_explained(), russian_drawn);
}

// Settings that cannot be written: English applies for the run, and one box says, in English,
// that the choice could not be remembered, naming the settings file and why; choosing again
// says nothing more.
TEST(Language, AChoiceThatCannotBeRememberedIsToldOnce) {
    const QString config = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    const struct {
        const char* name;
        const char* folder; // where the settings are, under a folder of the test's
        const char* reason; // null: not checked
    } rows[] = {
        // Even for root, who may write anywhere else.
        {"a folder under the settings file's name", "", "there is a folder under this name"},
        {"a folder of the system's", "/proc/chargefield-settings", nullptr},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.name);
        QTemporaryDir dir;
        const QString folder = *r.folder != '\0' ? QString::fromUtf8(r.folder) : dir.path();
        QDir().mkpath(dir.filePath(QStringLiteral("chargefield/chargefield.conf")));
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, folder);
        {
            ShownMainWindow w;
            w.ui.english_action->trigger();
            w.ui.russian_action->trigger();
            w.ui.english_action->trigger();
            EXPECT_EQ(current_language(), Language::English);
            ASSERT_EQ(w.dialogs.shown.size(), 1u);
            const QString text = QString::fromStdString(w.dialogs.shown[0].text);
            EXPECT_EQ(w.dialogs.shown[0].title, "WARNING");
            EXPECT_TRUE(text.contains(folder + QStringLiteral("/chargefield/chargefield.conf")))
                << text.toStdString();
            EXPECT_TRUE(r.reason == nullptr || text.contains(QString::fromUtf8(r.reason)))
                << text.toStdString();
            EXPECT_FALSE(has_cyrillic(text)) << text.toStdString();
            apply_language(Language::Russian);
        }
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, config);
    }
}

} // namespace
