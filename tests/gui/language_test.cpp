// The interface in English and back, with every window open: every text a person reads or a
// screen reader says is English at once (the pictures' texts once they are drawn again, the
// characteristic lines' explanations when asked for), and back in Russian every text is as it
// was before.
#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QRegularExpression>
#include <QSettings>
#include <QStandardPaths>
#include <QStyleOptionButton>
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

// The texts of the main picture and of the open profile graphs, and how much the main picture
// holds.
struct Drawn {
    QStringList texts;
    std::size_t primitives;
};
Drawn drawn(Windows& s) {
    Drawn d{picture_texts(*s.w.ui.picture), s.w.ui.picture->display_list().primitives()};
    for (const ProfileKind& kind : kProfiles) {
        d.texts << picture_texts(*s.w.window.profile(kind.id).picture);
    }
    return d;
}

// A switch of the language redraws the main picture and the open graphs at once, their texts in
// the new language, keeping everything drawn on them: the computed lines with a zero-field point
// and a chosen equipotential over them, or the frame alone with a zero-field point.
TEST(Language, PicturesFollowASwitchAtOnce) {
    Windows s;
    s.w.window.explain_zero_field();
    s.w.window.draw_chosen_equipotential();
    const Drawn russian = drawn(s);
    ASSERT_TRUE(russian.texts.contains(QStringLiteral("fi= 0.9 B")));

    s.choose(s.w.ui.english_action);
    const Drawn english = drawn(s);
    for (const QString& text : english.texts) {
        EXPECT_FALSE(has_cyrillic(text)) << text.toStdString();
    }
    EXPECT_TRUE(english.texts.contains(QStringLiteral("fi= 0.9 V")));
    EXPECT_TRUE(english.texts.contains(QStringLiteral("X, m")));
    EXPECT_EQ(english.texts.size(), russian.texts.size());
    EXPECT_EQ(english.primitives, russian.primitives);

    // Over the frame alone (a step of a scroll bar cleared the lines).
    s.w.ui.q1_bar->setPosition(s.w.ui.q1_bar->position() + 1);
    s.w.window.explain_zero_field();
    const Drawn frame = drawn(s);
    s.choose(s.w.ui.russian_action);
    const Drawn again = drawn(s);
    EXPECT_TRUE(again.texts.contains(QStringLiteral("X, м")));
    EXPECT_TRUE(again.texts.contains(QStringLiteral("E=0")));
    EXPECT_FALSE(again.texts.contains(QStringLiteral("X, m")));
    EXPECT_EQ(again.primitives, frame.primitives);
}

// How wide a text of a widget shows and how much room the widget gives it, in pixels.
struct Fit {
    QString where, text;
    int width, room;
    bool cut_below; // a wrapped text taller than its widget
};

// Every text of a window's labels, buttons and list items, measured at its font as Qt lays it
// out: a label in its contents less its margin and indent (wrapped where it wraps), a button in
// the rectangle its style gives its text, a list item in its row less the delegate's margins.
void measure(QWidget* window, std::vector<Fit>& out) {
    QList<QWidget*> widgets = window->findChildren<QWidget*>();
    widgets.prepend(window);
    for (QWidget* w : widgets) {
        if (!w->isVisibleTo(window)) {
            continue;
        }
        const QFontMetrics fm(w->font());
        const QString where = window->windowTitle() + QStringLiteral(": ") + w->objectName();
        if (auto* l = qobject_cast<QLabel*>(w); l != nullptr && !l->text().isEmpty()) {
            const int indent = l->indent() >= 0
                                   ? l->indent()
                                   : (l->frameWidth() > 0 ? fm.horizontalAdvance(u'x') / 2 : 0);
            const QRect room = l->contentsRect().adjusted(l->margin() + indent, l->margin(),
                                                          -l->margin() - indent, -l->margin());
            const int flags = l->wordWrap() ? Qt::TextWordWrap : 0;
            const QRect used = fm.boundingRect(QRect(QPoint(), room.size()),
                                               static_cast<int>(l->alignment()) | flags, l->text());
            out.push_back({where, l->text(), used.width(), room.width(),
                           l->wordWrap() && used.height() > room.height()});
        } else if (auto* c = qobject_cast<QCheckBox*>(w)) {
            QStyleOptionButton o;
            o.initFrom(c);
            o.text = c->text();
            const QRect room = c->style()->subElementRect(QStyle::SE_CheckBoxContents, &o, c);
            out.push_back({where, c->text(), fm.horizontalAdvance(c->text()), room.width(), false});
        } else if (auto* b = qobject_cast<QPushButton*>(w); b != nullptr && !b->text().isEmpty()) {
            QStyleOptionButton o;
            o.initFrom(b);
            o.text = b->text();
            const QRect room = b->style()->subElementRect(QStyle::SE_PushButtonContents, &o, b);
            out.push_back({where, b->text(), fm.horizontalAdvance(b->text()), room.width(), false});
        } else if (auto* list = qobject_cast<QListWidget*>(w)) {
            const int margin =
                2 * (list->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, list) + 1);
            for (int i = 0; i < list->count(); ++i) {
                const QString text = list->item(i)->text();
                out.push_back({where, text, fm.horizontalAdvance(text),
                               list->visualItemRect(list->item(i)).width() - margin, false});
            }
        }
    }
}

// Every caption shows whole at the windows' opening sizes, in either language: no label, button
// or list item is cut at its right edge (nor a wrapped caption at its bottom).
TEST(Language, EveryCaptionShowsWhole) {
    Windows s;
    for (QAction* language : {s.w.ui.russian_action, s.w.ui.english_action}) {
        s.choose(language);
        std::vector<Fit> fits;
        measure(&s.w.window, fits);
        for (const ProfileKind& kind : kProfiles) {
            measure(&s.w.window.profile(kind.id), fits);
        }
        measure(s.w.window.authors_window(), fits);
        EXPECT_GT(fits.size(), 35u);
        for (const Fit& f : fits) {
            EXPECT_LE(f.width, f.room) << f.where.toStdString() << ": " << f.text.toStdString();
            EXPECT_FALSE(f.cut_below) << f.where.toStdString() << ": " << f.text.toStdString();
        }
    }
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
