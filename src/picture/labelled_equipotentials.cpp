#include "picture/labelled_equipotentials.h"

#include <algorithm>
#include <cmath>
#include <functional>
#include <map>
#include <set>

namespace {

// The candidates' range of potentials is taken this many pixels and more from a charge.
constexpr double kNearPixels = 12;
// Places for a label tried along a curve, this many pixels apart, and no more than this many.
constexpr double kLabelStepPixels = 4;
constexpr double kMostLabelPlaces = 100;
// The line stops this many pixels before the text, at each end.
constexpr double kLabelPadPixels = 1.5;
// A label keeps this many pixels from everything else.
constexpr double kLabelClearPixels = 2;
// The room left free of labels about the zero-field point, in label heights.
constexpr double kZeroFieldRoom = 1;
// The tracing that chooses the levels and places the labels: its pixel, in the box's pixels
// (the chords within a fifth of it, so within half a pixel of the curves).
constexpr double kRoughPixels = 2.5;
// A level whose curve runs nearer than the gap to the others along more than this share of
// its length is left out.
constexpr double kCrowdedShare = 0.3;

// A polyline of a curve with the arc it belongs to and the distance along it to each point.
struct Track {
    std::vector<PlanePoint> points;
    int arc;
    std::vector<double> along;

    double length() const { return along.empty() ? 0 : along.back(); }
    // The point at distance u along it (clamped to its ends), looked for from the segment `k`
    // on, which it then leaves at the segment found: a walk with growing u reads each once.
    PlanePoint at(double u, std::size_t& k) const {
        u = std::clamp(u, 0.0, length());
        k = std::clamp<std::size_t>(k, 1, points.size() - 1);
        if (along[k - 1] > u) {
            k = 1;
        }
        while (k + 1 < points.size() && along[k] < u) {
            ++k;
        }
        const double span = along[k] - along[k - 1];
        const double t = span > 0 ? (u - along[k - 1]) / span : 0;
        const PlanePoint a = points[k - 1], b = points[k];
        return {a.x + t * (b.x - a.x), a.y + t * (b.y - a.y)};
    }
    // The same, the segment found by bisection.
    PlanePoint at(double u) const {
        std::size_t k = static_cast<std::size_t>(
            std::lower_bound(along.begin(), along.end(), std::clamp(u, 0.0, length())) -
            along.begin());
        return at(u, k);
    }
};

std::vector<Track> tracks_of(const EquipotentialCurve& curve) {
    std::vector<Track> tracks;
    for (const double mirror : {1.0, -1.0}) {
        for (const EquipotentialPiece& piece : curve.pieces) {
            Track t;
            t.arc = piece.arc;
            t.points.reserve(piece.points.size());
            t.along.reserve(piece.points.size());
            double u = 0;
            for (std::size_t i = 0; i < piece.points.size(); ++i) {
                const PlanePoint p{piece.points[i].x, mirror * piece.points[i].y};
                if (i > 0) {
                    u += norm(p - t.points.back());
                }
                t.points.push_back(p);
                t.along.push_back(u);
            }
            if (t.points.size() > 1) {
                tracks.push_back(std::move(t));
            }
        }
    }
    return tracks;
}

class LabelPlacer {
  public:
    LabelPlacer(const LabelSpace& space)
        : space_(space), index_(space.half_width, kLevelGapPixels * space.pixel) {}

    // Whether a curve runs nearer than the gap to the curves kept along more than
    // kCrowdedShare of its length, or through a label.
    bool crowds(const std::vector<Track>& tracks) const {
        const double gap = kLevelGapPixels * space_.pixel;
        double total = 0;
        for (const Track& t : tracks) {
            total += t.length();
            for (std::size_t k = 1; k < t.points.size(); ++k) {
                for (const EquipotentialLabel& l : labels_) {
                    double t0 = 0, t1 = 0;
                    if (clip_to_box(t.points[k - 1], t.points[k], cleared(l.box), t0, t1)) {
                        return true;
                    }
                }
            }
        }
        // Points half a gap apart, each standing for that much of the curve.
        const double limit = kCrowdedShare * total;
        double near = 0, far = 0;
        for (const Track& t : tracks) {
            std::size_t k = 1;
            for (double u = gap / 4; u < t.length(); u += gap / 2) {
                if (index_.distance(t.at(u, k), gap, -1) < gap) {
                    near += gap / 2;
                    if (near > limit) {
                        return true;
                    }
                } else if ((far += gap / 2) >= total - limit) {
                    return false;
                }
            }
        }
        return false;
    }

    // Adds a curve's tracks to the curves labels keep clear of, each arc its own owner.
    void add(int curve, const std::vector<Track>& tracks) {
        for (const Track& t : tracks) {
            index_.add(t.points, owner(curve, t.arc));
        }
    }
    // Takes out the curve added last.
    void take_out_last(const std::vector<Track>& tracks) {
        std::size_t segments = 0;
        for (const Track& t : tracks) {
            segments += t.points.size() - 1;
        }
        index_.truncate(index_.size() - segments);
    }

    // Places a label on the longest arc of the curve that has room for one, or, with
    // `every_arc`, on each arc not labelled yet that has; returns how many it placed.
    int label(int curve, double volts, const std::vector<Track>& tracks, double width,
              bool every_arc) {
        std::map<int, double> arc_length;
        for (const Track& t : tracks) {
            arc_length[t.arc] += t.length();
        }
        std::vector<std::pair<double, int>> arcs;
        for (const auto& [arc, length] : arc_length) {
            arcs.emplace_back(-length, arc);
        }
        std::sort(arcs.begin(), arcs.end());
        int placed = 0;
        for (const auto& [minus_length, arc] : arcs) {
            if (-minus_length < width || labelled_.count(owner(curve, arc)) != 0) {
                continue;
            }
            double best_score = -1e300;
            EquipotentialLabel best{};
            for (const Track& t : tracks) {
                if (t.arc == arc) {
                    try_track(t, owner(curve, arc), width, volts, best_score, best);
                }
            }
            if (best_score > -1e300) {
                labels_.push_back(best);
                labelled_.insert(owner(curve, arc));
                if (++placed == 1 && !every_arc) {
                    break;
                }
            }
        }
        return placed;
    }

    const std::vector<EquipotentialLabel>& labels() const { return labels_; }

  private:
    static int owner(int curve, int arc) { return curve * 65536 + arc; }

    LabelBox cleared(const LabelBox& b) const { return b.grown(kLabelClearPixels * space_.pixel); }

    // Whether a label's box is free: inside the region, off the x axis, clear of the boxes and
    // discs of the space, of the labels placed and of every other curve.
    bool free(const LabelBox& box, int own) const {
        const LabelBox c = cleared(box);
        const double L = space_.half_width;
        if (c.left < -L || c.right > L || c.bottom < -L || c.top > L ||
            (c.bottom < 0 && c.top > 0)) {
            return false;
        }
        for (const LabelBox& t : space_.taken) {
            if (c.overlaps(t)) {
                return false;
            }
        }
        for (const Disc& d : space_.discs) {
            if (d.overlaps(c)) {
                return false;
            }
        }
        for (const EquipotentialLabel& l : labels_) {
            if (c.overlaps(l.box)) {
                return false;
            }
        }
        return !index_.crosses(c, own);
    }

    // The best place along one track, if better than `best_score`: the places by their scores,
    // best first, until one is free.
    void try_track(const Track& t, int own, double width, double volts, double& best_score,
                   EquipotentialLabel& best) const {
        const double px = space_.pixel;
        const double w = width + 2 * kLabelPadPixels * px;
        const double h = space_.text_height;
        // Far enough from the other labels counts as far as the picture's quarter.
        const double spread = space_.half_width / 2;
        std::vector<std::pair<double, double>> places; // score, distance along
        std::size_t k_before = 1, k = 1, k_after = 1;
        const double step = std::max(kLabelStepPixels * px, t.length() / kMostLabelPlaces);
        for (double u = w / 2; u <= t.length() - w / 2; u += step) {
            const PlanePoint p = t.at(u, k);
            // The bend of the line across the label: 2*sin(b/2) of the angle b between its two
            // halves, about b itself where the line is nearly straight.
            const Vec before = p - t.at(u - w / 2, k_before), after = t.at(u + w / 2, k_after) - p;
            const double lb = norm(before), la = norm(after);
            const double bend =
                lb > 0 && la > 0 ? std::sqrt(std::max(0.0, 2 - 2 * dot(before, after) / (lb * la)))
                                 : 2;
            double nearest2 = spread * spread;
            for (const EquipotentialLabel& l : labels_) {
                const Vec d = p - l.anchor;
                nearest2 = std::min(nearest2, dot(d, d));
            }
            const double nearest = std::sqrt(nearest2);
            const bool on_y_axis = p.x - w / 2 < 0 && p.x + w / 2 > 0;
            places.emplace_back(0.5 * nearest / spread - bend - (on_y_axis ? 1 : 0), u);
        }
        std::sort(places.begin(), places.end(), std::greater<>());
        for (const auto& [score, u] : places) {
            if (score <= best_score) {
                return;
            }
            const PlanePoint p = t.at(u);
            const LabelBox box{p.x - w / 2, p.y - h / 2, p.x + w / 2, p.y + h / 2};
            if (free(box, own)) {
                best_score = score;
                best = {volts, p, box};
                return;
            }
        }
    }

    LabelSpace space_;
    SegmentIndex index_;
    std::vector<EquipotentialLabel> labels_;
    std::set<int> labelled_; // the arcs with a label, by owner
};

} // namespace

std::vector<std::vector<PlanePoint>> curve_polylines(const EquipotentialCurve& curve) {
    std::vector<std::vector<PlanePoint>> out;
    for (Track& t : tracks_of(curve)) {
        out.push_back(std::move(t.points));
    }
    return out;
}

LabelledEquipotentials labelled_equipotentials(const ChargePair& charges,
                                               const EquipotentialSettings& settings, int count,
                                               const LabelSpace& space,
                                               const std::function<double(double)>& label_width,
                                               Progress& progress) {
    LabelledEquipotentials out;
    if (count <= 0) {
        return out;
    }
    const std::vector<LevelCandidate> candidates =
        level_candidates(charges, settings.half_width, kNearPixels * space.pixel);
    // No label by the zero-field point either, where the curves of the levels near its
    // potential crowd in.
    LabelSpace room = space;
    const ZeroFieldLevel saddle = zero_field_level(charges);
    if (saddle.exists) {
        room.discs.push_back({saddle.x, 0, kZeroFieldRoom * space.text_height});
    }
    LabelPlacer placer(room);
    // The levels are chosen and labelled on curves traced to half a pixel, and the levels kept
    // are then traced as finely as asked.
    const EquipotentialSettings rough{settings.half_width,
                                      std::max(settings.pixel, kRoughPixels * space.pixel)};
    // The tracks of the levels kept. Each level gets one label as it is kept, its other arcs
    // theirs once all levels are, so that they take no room a level after them would need. The
    // levels kept in any case go in first, all of them, and are labelled once they all are, so
    // that no label of theirs sits on another of them.
    std::vector<std::vector<Track>> kept;
    bool first_labelled = false;
    const auto label_first = [&] {
        for (std::size_t i = 0; i < kept.size() && !first_labelled; ++i) {
            placer.label(static_cast<int>(i), out.curves[i].volts, kept[i],
                         label_width(out.curves[i].volts), false);
        }
        first_labelled = true;
    };
    // On one thread: a level takes some tens of microseconds, less than handing it to another.
    for (std::size_t i = 0; i < candidates.size() && static_cast<int>(out.curves.size()) < count;
         ++i) {
        if (!progress.report(static_cast<double>(i) / candidates.size())) {
            out.complete = false;
            break;
        }
        EquipotentialCurve curve = trace_equipotential(charges, rough, candidates[i].volts);
        std::vector<Track> tracks = tracks_of(curve);
        if (tracks.empty()) {
            continue;
        }
        const int number = static_cast<int>(out.curves.size());
        if (candidates[i].kind == LevelCandidate::Round) {
            label_first();
            if (placer.crowds(tracks)) {
                continue;
            }
            placer.add(number, tracks);
            if (placer.label(number, curve.volts, tracks, label_width(curve.volts), false) == 0) {
                // No room for its label: the level is not drawn.
                placer.take_out_last(tracks);
                continue;
            }
        } else {
            placer.add(number, tracks);
        }
        kept.push_back(std::move(tracks));
        out.curves.push_back(std::move(curve));
    }
    label_first();
    for (std::size_t i = 0; i < kept.size(); ++i) {
        placer.label(static_cast<int>(i), out.curves[i].volts, kept[i],
                     label_width(out.curves[i].volts), true);
    }
    out.labels = placer.labels();
    if (rough.pixel > settings.pixel) {
        for (EquipotentialCurve& curve : out.curves) {
            curve = trace_equipotential(charges, settings, curve.volts);
        }
    }
    return out;
}
