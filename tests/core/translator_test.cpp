// The core's texts through a translator: whole sentences whose numbers a translation may put in
// its own order, and the Russian source when no translator is given.
#include <gtest/gtest.h>

#include "analysis/point_log.h"
#include "analysis/zero_potential.h"
#include "base/file_output.h"
#include "base/translator.h"
#include "picture/equipotentials.h"
#include "profiles/profile_csv.h"
#include "profiles/profile_family.h"

namespace {

// Gives every text its group in braces; one sentence comes back with its places swapped.
class Marking : public Translator {
  public:
    std::string translate(const SourceText& text) const override {
        if (std::string_view(text.text) == "Причина: %1.") {
            return "Reason: %1.";
        }
        if (std::string_view(text.text).find("радиусом %2") != std::string_view::npos) {
            return "radius %2, centre %1";
        }
        std::string marked = "{";
        marked += text.context;
        marked += "}";
        marked += text.text;
        return marked;
    }
};

TEST(Translator, FillsPlacesInTheirOwnOrder) {
    struct Row {
        const char* name;
        const char* pattern;
        std::vector<std::string_view> args;
        const char* filled;
    };
    const Row rows[] = {
        {"in order", "x=%1 м, y=%2 м", {"0.5", "-1"}, "x=0.5 м, y=-1 м"},
        {"swapped", "%2 then %1", {"a", "b"}, "b then a"},
        {"twice", "%1%1", {"7"}, "77"},
        {"place without argument kept", "%1 %3", {"a", "b"}, "a %3"},
        {"percent alone kept", "50% of %1", {"x"}, "50% of x"},
        {"argument holding a place is not filled again", "%1 %2", {"%2", "b"}, "%2 b"},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        std::string out;
        switch (r.args.size()) {
        case 1:
            out = fill(r.pattern, {r.args[0]});
            break;
        default:
            out = fill(r.pattern, {r.args[0], r.args[1]});
        }
        EXPECT_EQ(out, r.filled);
    }
}

TEST(Translator, CoreTextsGoThroughTheTranslatorGiven) {
    const Marking marking;
    FieldParams russian;
    FieldParams marked;
    marked.translator = &marking;
    CharacteristicResults r;
    r.zero_potential_centre = 1.25;
    r.zero_potential_radius = 0.75;
    const ChargeMarks charges{0.1, -0.25, 0.5};
    struct Row {
        const char* name;
        std::string russian, marked, expected_marked;
    };
    const Row rows[] = {
        {"warning title", translated(nullptr, kWarningTitle), translated(&marking, kWarningTitle),
         "{Dialogs}ПРЕДУПРЕЖДЕНИЕ"},
        {"level step", level_step_tip(russian, charges).value(),
         level_step_tip(marked, charges).value(), ""},
        {"reason of a failed write", reason_of_error(ENOSPC), reason_of_error(ENOSPC, &marking),
         "{FileOutput}на диске нет места"},
        {"log header", log_header(russian), log_header(marked), ""},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(row.marked.rfind("{", 0), 0u) << row.marked;
        EXPECT_EQ(row.marked.find(row.russian), 1 + row.marked.find('}')) << row.marked;
        if (!row.expected_marked.empty()) {
            EXPECT_EQ(row.marked, row.expected_marked);
        }
    }
    // A sentence with numbers, its places swapped by the translation.
    EXPECT_EQ(zero_potential_message(r, marked), "radius 0.75, centre 1.25");
    EXPECT_NE(zero_potential_message(r, russian).find("x=1.25 м\r\nи радиусом 0.75 м."),
              std::string::npos);
    // The CSV's comment line; its header and numbers stay as they are.
    const std::string csv =
        profile_csv(marked, frame_for(marked), profile_kind(ProfileId::PhiAlongX));
    EXPECT_EQ(csv.rfind("# {Profiles}fi(x) при Y_fix = 0.1 м; q1 = 0.4 нКл", 0), 0u)
        << csv.substr(0, 80);
    EXPECT_NE(csv.find("\nx_m,fi_V\n"), std::string::npos);
}

} // namespace
