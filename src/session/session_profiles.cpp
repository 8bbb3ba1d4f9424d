// The session's six profiles: which are shown, their scale factors, their drawing and their
// data.
#include "session/session.h"

#include "model/numbers.h"
#include "profiles/profile_csv.h"

namespace {

// Tells a warning in the graph instead of a box: the title and the lines of the text (broken at
// a carriage return, a line feed or both), from the graph's top left corner.
class GraphNotice : public Dialogs {
  public:
    explicit GraphNotice(PictureBox& pic) : pic_(pic) {}
    void message(const std::string& text, const std::string& title) override {
        pic_.set_scale(0, 0, 1, 1);
        pic_.current_x = 0.02f;
        pic_.current_y = 0.02f;
        pic_.text(title);
        std::size_t start = 0;
        while (true) {
            const std::size_t end = text.find_first_of("\r\n", start);
            pic_.current_x = 0.02f;
            pic_.text(std::string_view(text).substr(start, end - start));
            if (end == std::string::npos) {
                return;
            }
            start = end + (text.compare(end, 2, "\r\n") == 0 ? 2 : 1);
        }
    }
    bool ask_yes_no(const std::string&, const std::string&) override { return false; }

  private:
    PictureBox& pic_;
};

} // namespace

ProfileRedraw Session::shown_of(std::initializer_list<ProfileId> ids,
                                ProfileWarning warning) const {
    ProfileRedraw redraw{{}, warning};
    for (const ProfileId id : ids) {
        if (profile_shown(id)) {
            redraw.ids.push_back(id);
        }
    }
    return redraw;
}

ProfileRedraw Session::every_shown_profile(ProfileWarning warning) const {
    ProfileRedraw redraw{{}, warning};
    for (const ProfileKind& kind : kProfiles) {
        if (profile_shown(kind.id)) {
            redraw.ids.push_back(kind.id);
        }
    }
    return redraw;
}

ProfileRedraw Session::tick_profile_box(ProfileId id, bool ticked) {
    profiles_[to_index(id)].shown = ticked;
    return shown_of({id}, ProfileWarning::Box);
}

ScaleBar Session::start_scale_bar(ProfileId id) const {
    const double scale = profile_scale(id);
    return {to_int32_even(scale), format_fixed(scale, 1, params_.decimal_separator)};
}

std::string Session::move_scale_bar(ProfileId id, int position) {
    double& scale = profiles_[to_index(id)].scale;
    scale = profile_factor(position);
    return format_fixed(scale, 2, params_.decimal_separator);
}

void Session::draw_profile(ProfileId id, PictureBox& graph, ProfileWarning warning,
                           Progress& progress) {
    Profile& p = profiles_[to_index(id)];
    graph.clear();
    GraphNotice notice(graph);
    ::draw_profile(params_, field_picture_.frame, profile_kind(id), p.scale, p.samples, graph,
                   warning == ProfileWarning::Box ? dialogs_ : notice, progress);
}

std::string Session::profile_table(ProfileId id) const {
    return profile_csv(params_, field_picture_.frame, profile_kind(id));
}
