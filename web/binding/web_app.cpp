// The browser's face over the session: the page's worker makes one WebApp, calls the operation
// named after what the user did and shows what it returns. Everything a rule decides (what a
// click draws, what a toggle keeps, when a redraw is live) is the session's; this file only
// turns its answers into what the script reads, and gives it its pictures' pixels, the
// messages it is to show and the tones it is to sound.
#include <emscripten/bind.h>
#include <emscripten/val.h>

#include <array>
#include <map>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "base/dialogs.h"
#include "base/platform.h"
#include "model/numbers.h"
#include "session/session.h"
#include "svg_writer.h"
#include "web_picture_box.h"

using emscripten::val;

namespace {

// The page's canvas for one picture (-1 the field's, 0 to 5 the profiles'), through the
// worker's object of the same methods.
class ScriptTextCanvas final : public TextCanvas {
  public:
    ScriptTextCanvas(val canvas, int picture) : canvas_(std::move(canvas)), picture_(picture) {}
    double width(std::string_view text) override {
        return canvas_.call<double>("width", std::string(text));
    }
    double line_height() override { return canvas_.call<double>("lineHeight"); }
    void cleared() override { canvas_.call<void>("cleared", picture_); }
    void draw(std::uint32_t* pixels, int width, int height) override {
        canvas_.call<void>("draw", picture_, reinterpret_cast<std::uintptr_t>(pixels), width,
                           height);
    }
    void text(std::string_view text, double x, double y, Colour colour) override {
        canvas_.call<void>("text", picture_, std::string(text), x, y, colour);
    }
    void shape(const char* kind, double x1, double y1, double x2, double y2, Colour c, int width,
               bool filled, Colour fill) override {
        canvas_.call<void>("shape", picture_, std::string(kind), x1, y1, x2, y2, c, width, filled,
                           fill);
    }

  private:
    val canvas_;
    int picture_;
};

// The messages the session tells, kept for the page to show (it never blocks on them).
class PageDialogs final : public Dialogs {
  public:
    void message(const std::string& text, const std::string& title) override {
        told.push_back({text, title});
    }
    // The session asks nothing of the browser's face.
    bool ask_yes_no(const std::string&, const std::string&) override { return false; }
    std::vector<std::pair<std::string, std::string>> told;
};

// The page sounds the tones; it opens documents itself.
class PagePlatform final : public Platform {
  public:
    bool open_document(const std::string&) override { return false; }
    bool show_text_file(const std::string&) override { return false; }
    bool tone(int hz, int ms) override {
        tones.push_back({hz, ms});
        return true;
    }
    std::vector<std::pair<int, int>> tones;
};

// The English texts, from the page's table of the translations.
class TableTranslator final : public Translator {
  public:
    std::string translate(const SourceText& text) const override {
        const auto it = table_.find(key(text.context, text.text));
        return it == table_.end() ? std::string(text.text) : it->second;
    }
    // `rows`: [context, source, translation] each; an empty list gives the Russian sources.
    void set(const val& rows) {
        table_.clear();
        const auto n = rows["length"].as<unsigned>();
        for (unsigned i = 0; i < n; ++i) {
            const val row = rows[i];
            table_[key(row[0].as<std::string>(), row[1].as<std::string>())] =
                row[2].as<std::string>();
        }
    }

  private:
    static std::string key(std::string_view context, std::string_view source) {
        std::string k(context);
        k += '\x04';
        k += source;
        return k;
    }
    std::map<std::string, std::string> table_;
};

// Reports to the script's function, which answers whether to go on.
class ScriptProgress final : public Progress {
  public:
    explicit ScriptProgress(val report) : report_(std::move(report)) {}

  protected:
    bool go_on(double done) override {
        return report_.isUndefined() || report_.isNull() || report_(done).as<bool>();
    }

  private:
    val report_;
};

const char* redraw_name(PictureRedraw how) {
    switch (how) {
    case PictureRedraw::None:
        return "none";
    case PictureRedraw::Frame:
        return "frame";
    case PictureRedraw::FrameAndDrawnOver:
        return "frameAndDrawnOver";
    case PictureRedraw::Whole:
        return "whole";
    }
    return "none";
}

PictureRedraw redraw_of(const std::string& name) {
    return name == "whole"   ? PictureRedraw::Whole
           : name == "frame" ? PictureRedraw::Frame
                             : PictureRedraw::None;
}

val profiles_of(const ProfileRedraw& redraw) {
    val ids = val::array();
    for (const ProfileId id : redraw.ids) {
        ids.call<void>("push", static_cast<int>(id));
    }
    val r = val::object();
    r.set("ids", ids);
    r.set("inPicture", redraw.warning == ProfileWarning::InPicture);
    return r;
}

val strings_of(const std::vector<std::string>& texts) {
    val a = val::array();
    for (const std::string& t : texts) {
        a.call<void>("push", t);
    }
    return a;
}

ProfileId profile_id(int id) {
    return static_cast<ProfileId>(id);
}

// The page's name of the picture painted for saving.
constexpr int kExported = 100;
constexpr Colour kWhite = rgb(255, 255, 255);
constexpr Colour kBlack = rgb(0, 0, 0);

} // namespace

class WebApp {
  public:
    explicit WebApp(const val& canvas)
        : canvas_(canvas, -1), export_canvas_(canvas, kExported), picture_(canvas_, kWhite, kBlack),
          session_(params_, picture_, dialogs_, platform_) {
        params_.translator = &translator_;
        for (std::size_t i = 0; i < kProfileCount; ++i) {
            graph_canvases_[i] = std::make_unique<ScriptTextCanvas>(canvas, static_cast<int>(i));
            graphs_[i] = std::make_unique<WebPictureBox>(*graph_canvases_[i], kWhite, kBlack);
        }
    }

    void set_language(const val& rows) { translator_.set(rows); }
    void resize_picture_box(int width, int height) { picture_.resize(width, height); }

    val reset_inputs() {
        const StartInputs s = session_.reset_inputs();
        val r = val::object();
        r.set("q1", s.q1_position);
        r.set("q2", s.q2_position);
        r.set("size", s.size_position);
        r.set("levelCount", s.level_count);
        r.set("lineCount", s.line_count);
        r.set("yFixed", s.y_fixed);
        r.set("xFixed", s.x_fixed);
        r.set("chosenPotential", s.chosen_potential);
        r.set("families", s.families_row);
        return r;
    }
    void draw_start_frame() { session_.draw_start_frame(); }

    // which: 0 q1, 1 q2, 2 the half-width.
    val move_bar(int which, int position) {
        const BarMoved m = which == 0   ? session_.move_q1_bar(position)
                           : which == 1 ? session_.move_q2_bar(position)
                                        : session_.move_size_bar(position);
        val r = val::object();
        r.set("value", m.value_text);
        r.set("picture", std::string(redraw_name(m.picture)));
        r.set("profiles", profiles_of(m.profiles));
        return r;
    }
    std::string type_level_count(const std::string& text) {
        return redraw_name(session_.type_level_count(text));
    }
    std::string type_line_count(const std::string& text) {
        return redraw_name(session_.type_line_count(text));
    }
    val type_y_fixed(const std::string& text) { return profiles_of(session_.type_y_fixed(text)); }
    val type_x_fixed(const std::string& text) { return profiles_of(session_.type_x_fixed(text)); }
    void type_chosen_potential(const std::string& text) { session_.type_chosen_potential(text); }
    val choose_families(int row) {
        const FamiliesChosen c = session_.choose_families(row);
        val r = val::object();
        r.set("levelCountShown", c.level_count_shown);
        r.set("lineCountShown", c.line_count_shown);
        r.set("picture", std::string(redraw_name(c.picture)));
        return r;
    }

    void press_compute(val report) {
        ScriptProgress progress(std::move(report));
        session_.press_compute(progress);
    }
    // which: 0 the heading of q1, 1 of q2, 2 of the size, 3 the button «φ».
    void click(int which, val report) {
        ScriptProgress progress(std::move(report));
        switch (which) {
        case 0:
            session_.click_q1_heading(progress);
            break;
        case 1:
            session_.click_q2_heading(progress);
            break;
        case 2:
            session_.click_size_heading(progress);
            break;
        default:
            session_.press_chosen_potential_button(progress);
            break;
        }
    }
    std::string toggle_view(bool potential_map, bool arrows, bool flux_lines,
                            bool exact_equipotentials, bool charge_marks) {
        return redraw_name(session_.toggle_view(
            {potential_map, arrows, flux_lines, exact_equipotentials, charge_marks}));
    }
    std::string toggle_live(bool on) { return redraw_name(session_.toggle_live(on)); }
    std::string resize_picture() const { return redraw_name(session_.resize_picture()); }
    val switch_language() const {
        const LanguageSwitched switched = session_.switch_language();
        val r = val::object();
        r.set("picture", std::string(redraw_name(switched.picture)));
        r.set("profiles", profiles_of(switched.profiles));
        return r;
    }
    void redraw_picture(const std::string& how, val report) {
        ScriptProgress progress(std::move(report));
        session_.redraw_picture(redraw_of(how), progress);
    }

    // The pointer at pixel (px, py) of the picture.
    val move_pointer(double px, double py) {
        const auto [x, y] = to_user(px, py);
        return readout_of(session_.move_pointer(x, y));
    }
    val double_click_picture(double px, double py) {
        const auto [x, y] = to_user(px, py);
        const PointLogged logged = session_.double_click_picture(x, y);
        val r = val::object();
        r.set("readoutChanged", logged.readout_changed);
        r.set("logOn", logged.log_on);
        r.set("readout", session_.readout() ? readout_of(*session_.readout()) : val::null());
        return r;
    }
    bool click_log_box(bool ticked) { return session_.click_log_box(ticked); }
    bool log_on() const { return session_.log_on(); }

    val tick_profile_box(int id, bool ticked) {
        return profiles_of(session_.tick_profile_box(profile_id(id), ticked));
    }
    val start_scale_bar(int id) const {
        const ScaleBar bar = session_.start_scale_bar(profile_id(id));
        val r = val::object();
        r.set("position", bar.position);
        r.set("label", bar.label);
        return r;
    }
    std::string move_scale_bar(int id, int position) {
        return session_.move_scale_bar(profile_id(id), position);
    }
    void draw_profile(int id, int width, int height, bool in_picture, val report) {
        WebPictureBox& graph = *graphs_.at(static_cast<std::size_t>(id));
        if (graph.width() != width || graph.height() != height) {
            graph.resize(width, height);
        }
        ScriptProgress progress(std::move(report));
        session_.draw_profile(profile_id(id), graph,
                              in_picture ? ProfileWarning::InPicture : ProfileWarning::Box,
                              progress);
    }
    std::string profile_table(int id) const { return session_.profile_table(profile_id(id)); }
    // What a profile's window shows besides its graph: its caption, tool tips, whether it runs
    // upward, and its size as shares of the main window's width and height.
    val profile_kind_of(int id) const {
        const ProfileKind& kind = profile_kind(profile_id(id));
        const auto text = [this](const SourceText& t) {
            return t.text == nullptr ? std::string() : translated(&translator_, t);
        };
        val r = val::object();
        r.set("caption", text(kind.caption));
        r.set("pictureTip", text(kind.picture_tip));
        r.set("labelTip", text(kind.label_tip));
        r.set("vertical", kind.vertical);
        r.set("width", kind.w);
        r.set("height", kind.h);
        return r;
    }

    // The pixels of the picture (-1) or of a profile's graph, as they are now: a view into the
    // module's memory, valid until the next call.
    val pixels(int graph) {
        WebPictureBox& box = graph < 0 ? picture_ : *graphs_.at(static_cast<std::size_t>(graph));
        const std::vector<std::uint32_t>& p = box.pixels();
        val r = val::object();
        r.set("width", box.width());
        r.set("height", box.height());
        r.set("words", val(emscripten::typed_memory_view(p.size(), p.data())));
        return r;
    }
    bool picture_changed() const { return picture_.changed(); }
    // The picture as an SVG document (texts `font_pixels` high, `ascent` above their baseline);
    // none where it has the potential map's pixels or is too large to be kept whole.
    val picture_svg(double font_pixels, double ascent) const {
        if (!picture_.display_list().complete()) {
            return val::null();
        }
        const std::optional<std::string> svg =
            svg_of(picture_.display_list(), {picture_.width(), picture_.height(), kWhite,
                                             font_pixels, ascent, picture_title()});
        return svg ? val(*svg) : val::null();
    }
    // The picture painted at `scale` times its size, for saving: RGBA words as pixels() gives.
    val picture_at(int scale) {
        exported_ = picture_.painted_at(scale, export_canvas_);
        val r = val::object();
        r.set("width", picture_.width() * scale);
        r.set("height", picture_.height() * scale);
        r.set("words", val(emscripten::typed_memory_view(exported_.size(), exported_.data())));
        return r;
    }

    // What the page shows besides the pictures, taken once.
    val take_messages() {
        val a = val::array();
        for (const auto& [text, title] : dialogs_.told) {
            val m = val::object();
            m.set("text", text);
            m.set("title", title);
            a.call<void>("push", m);
        }
        dialogs_.told.clear();
        return a;
    }
    val take_tones() {
        val a = val::array();
        for (const auto& [hz, ms] : platform_.tones) {
            val t = val::object();
            t.set("hz", hz);
            t.set("ms", ms);
            a.call<void>("push", t);
        }
        platform_.tones.clear();
        return a;
    }
    val caption() const {
        const std::optional<std::string> c = session_.caption();
        return c ? val(*c) : val::null();
    }
    std::string level_step_tip() const { return session_.level_step_tip(); }
    val picture_notes() const { return strings_of(session_.picture_notes()); }
    // The picture's title, as the saved pictures carry it.
    std::string picture_title() const {
        const auto num = [this](double v) {
            return format_shortest(v, session_.params().decimal_separator);
        };
        const FieldParams& p = session_.params();
        const Frame& frame = session_.field_picture().frame;
        return translated(&translator_,
                          SourceText{"PictureExport",
                                     "Поле двух точечных зарядов: q1 = %1 нКл (x = %2 м), q2 = "
                                     "%3 нКл (x = %4 м); область x, y от %5 до %6 м"},
                          {num(p.q1), num(-p.half_distance), num(p.q2), num(p.half_distance),
                           num(frame.x_min), num(frame.x_max)});
    }

  private:
    std::pair<float, float> to_user(double px, double py) const {
        const double w = picture_.width();
        const double h = picture_.height();
        return {static_cast<float>(
                    picture_.scale_x1() +
                    px / w * (static_cast<double>(picture_.scale_x2()) - picture_.scale_x1())),
                static_cast<float>(
                    picture_.scale_y1() +
                    py / h * (static_cast<double>(picture_.scale_y2()) - picture_.scale_y1()))};
    }
    static val readout_of(const Readout& r) {
        val o = val::object();
        o.set("x", r.x);
        o.set("y", r.y);
        o.set("fi", r.fi);
        o.set("Ex", r.Ex);
        o.set("Ey", r.Ey);
        return o;
    }

    ScriptTextCanvas canvas_;
    // The texts of a picture painted for saving.
    ScriptTextCanvas export_canvas_;
    std::vector<std::uint32_t> exported_;
    TableTranslator translator_;
    FieldParams params_;
    PageDialogs dialogs_;
    PagePlatform platform_;
    WebPictureBox picture_;
    std::array<std::unique_ptr<ScriptTextCanvas>, kProfileCount> graph_canvases_;
    std::array<std::unique_ptr<WebPictureBox>, kProfileCount> graphs_;
    Session session_;
};

EMSCRIPTEN_BINDINGS(chargefield) {
    emscripten::class_<WebApp>("WebApp")
        .constructor<const val&>()
        .function("setLanguage", &WebApp::set_language)
        .function("resizePictureBox", &WebApp::resize_picture_box)
        .function("resetInputs", &WebApp::reset_inputs)
        .function("drawStartFrame", &WebApp::draw_start_frame)
        .function("moveBar", &WebApp::move_bar)
        .function("typeLevelCount", &WebApp::type_level_count)
        .function("typeLineCount", &WebApp::type_line_count)
        .function("typeYFixed", &WebApp::type_y_fixed)
        .function("typeXFixed", &WebApp::type_x_fixed)
        .function("typeChosenPotential", &WebApp::type_chosen_potential)
        .function("chooseFamilies", &WebApp::choose_families)
        .function("pressCompute", &WebApp::press_compute)
        .function("click", &WebApp::click)
        .function("toggleView", &WebApp::toggle_view)
        .function("toggleLive", &WebApp::toggle_live)
        .function("resizePicture", &WebApp::resize_picture)
        .function("switchLanguage", &WebApp::switch_language)
        .function("redrawPicture", &WebApp::redraw_picture)
        .function("movePointer", &WebApp::move_pointer)
        .function("doubleClickPicture", &WebApp::double_click_picture)
        .function("clickLogBox", &WebApp::click_log_box)
        .function("logOn", &WebApp::log_on)
        .function("tickProfileBox", &WebApp::tick_profile_box)
        .function("startScaleBar", &WebApp::start_scale_bar)
        .function("moveScaleBar", &WebApp::move_scale_bar)
        .function("drawProfile", &WebApp::draw_profile)
        .function("profileTable", &WebApp::profile_table)
        .function("profileKind", &WebApp::profile_kind_of)
        .function("pixels", &WebApp::pixels)
        .function("pictureChanged", &WebApp::picture_changed)
        .function("pictureAt", &WebApp::picture_at)
        .function("pictureSvg", &WebApp::picture_svg)
        .function("takeMessages", &WebApp::take_messages)
        .function("takeTones", &WebApp::take_tones)
        .function("caption", &WebApp::caption)
        .function("levelStepTip", &WebApp::level_step_tip)
        .function("pictureNotes", &WebApp::picture_notes)
        .function("pictureTitle", &WebApp::picture_title);
}
