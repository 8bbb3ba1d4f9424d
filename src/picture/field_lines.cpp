#include "picture/field_lines.h"

#include <array>
#include <bit>
#include <cmath>
#include <cstdint>
#include <type_traits>
#include <vector>

#include "base/parallel.h"
#include "base/primitive_buffer.h"
#include "model/counted_loop.h"
#include "model/point_field.h"

void seg_E(const Module1& m, PictureBox& pic) {
    pic.line(static_cast<float>(m.x0), static_cast<float>(m.y0), static_cast<float>(m.x), m.y,
             kFieldLineColour);
    pic.line(static_cast<float>(m.x0), static_cast<float>(m.y0m), static_cast<float>(m.x), -m.y,
             kFieldLineColour);
}

namespace {

// A polar angle with its cosine and sine, worked out once for every use of that angle.
struct Angle {
    double phi;
    double c, s;
};

Angle angle(double phi) {
    return {phi, std::cos(phi), std::sin(phi)};
}

// v^(3/2) as v*sqrt(v), a third of the time of pow(v, 1.5). Not always the same double as pow,
// but every slope comes out the same in single precision, so the lines go through the same
// points: checked on the whole grid of charges and sizes (bench/picture_digest.cpp).
double three_halves(double v) {
    return v * std::sqrt(v);
}

// Whether the piece from (x0, y0) by (dx, dy) comes within r0 of a charge between its ends. No
// field line runs through a charge: such a piece jumped across one (and often far beyond).
bool passes_a_charge(const Module1& m, double dx, double dy) {
    const double len2 = dx * dx + dy * dy;
    if (!(len2 > 0)) {
        return false;
    }
    for (const double cx : {-m.a, m.a}) {
        const double t = ((cx - m.x0) * dx - m.y0 * dy) / len2;
        const double ex = m.x0 + t * dx - cx;
        const double ey = m.y0 + t * dy;
        if (t > 0 && t < 1 && ex * ex + ey * ey < m.r0 * m.r0) {
            return true;
        }
    }
    return false;
}

// drdphi at an angle whose cosine c and sine s are known.
float drdphi_cs(Module1& m, double c, double s, double r) {
    m.u1 = m.q1 * three_halves((r * r - 2 * m.a * r * c) + m.a * m.a);
    m.u2 = m.q2 * three_halves((r * r + 2 * m.a * r * c) + m.a * m.a);
    return static_cast<float>(-r * (c + (r * (m.u1 + m.u2) / (m.u1 - m.u2)) / m.a) / s);
}

// rk4_polar from the angle `start` (= phi). On return `start` holds the angle the step ended
// at, which is where the caller's loop starts the next step.
bool polar_step(Module1& m, PictureBox& pic, Angle& start) {
    const Angle mid = angle(m.phi + m.d_phi / 2);
    const Angle end = angle(m.phi + m.d_phi);
    m.k1 = m.d_phi * drdphi_cs(m, start.c, start.s, m.r_cur);
    m.k2 = m.d_phi * drdphi_cs(m, mid.c, mid.s, m.r_cur + m.k1 / 2);
    m.k3 = m.d_phi * drdphi_cs(m, mid.c, mid.s, m.r_cur + m.k2 / 2);
    m.k4 = static_cast<float>(m.d_phi * drdphi_cs(m, end.c, end.s, m.r_cur + m.k3));
    m.r_new = m.r_cur + (m.k1 + 2 * m.k2 + 2 * m.k3 + m.k4) / 6;
    start = end;
    const double x = m.r_new * end.c;
    const float y = static_cast<float>(m.r_new * end.s);
    // The step broke down when the radius is not positive (the line ran through the origin or
    // the slope blew up near a charge), when it reaches or crosses the axis (phi = 0 or pi),
    // where dr/dphi is undefined and its huge values throw the point far across the picture,
    // when the piece passes a charge, or when it is many times longer than the step the slope
    // at its start promises (the slope blew up between the Runge-Kutta stages). Such a step is
    // no piece of the line: nothing is drawn and the line ends.
    const double dx = x - m.x0;
    const double dy = y - m.y0;
    const double expected2 = m.r_cur * m.d_phi * m.r_cur * m.d_phi + m.k1 * m.k1;
    if (!(m.r_new > 0) || !(end.s > 1e-9) || !std::isfinite(x) || !std::isfinite(y) ||
        dx * dx + dy * dy > 100 * expected2 || passes_a_charge(m, dx, dy)) {
        return false;
    }
    m.x = x;
    m.y = y;
    seg_E(m, pic);
    m.r_cur = m.r_new;
    m.x0 = m.x;
    m.y0 = m.y;
    m.y0m = -m.y;
    return true;
}

} // namespace

float drdphi(Module1& m, double phi, double r) {
    return drdphi_cs(m, std::cos(phi), std::sin(phi), r);
}

float slope_E(const Module1& m, double x, double y) {
    const PointField f = field_point(m, x, y);
    return f.ey / f.ex;
}

bool rk4_polar(Module1& m, PictureBox& pic) {
    Angle start = angle(m.phi);
    return polar_step(m, pic, start);
}

bool rk4_xy(Module1& m, PictureBox& pic) {
    const double y = m.y;
    m.k1 = m.h_E / slope_E(m, m.x0, y);
    m.k2 = m.h_E / slope_E(m, m.x0 + m.k1 / 2, y + m.h_E / 2);
    m.k3 = m.h_E / slope_E(m, m.x0 + m.k2 / 2, y + m.h_E / 2);
    m.k4 = static_cast<float>(m.h_E / slope_E(m, m.x0 + m.k3, y + m.h_E));
    const double x = m.x0 + (m.k1 + 2 * m.k2 + 2 * m.k3 + m.k4) / 6;
    if (!std::isfinite(x)) {
        return false;
    }
    m.x = x;
    const double y_top = y + m.h_E;
    pic.line(static_cast<float>(m.x0), static_cast<float>(m.y0), static_cast<float>(m.x),
             static_cast<float>(y_top), kFieldLineColour);
    pic.line(static_cast<float>(m.x0), static_cast<float>(m.y0m), static_cast<float>(m.x),
             static_cast<float>(-y_top), kFieldLineColour);
    m.x0 = m.x;
    m.y0 = y_top;
    m.y0m = -m.y0;
    return true;
}

namespace {

bool outside_square(const Module1& m) {
    return std::abs(m.x) > m.L || std::abs(m.y) > m.L;
}

double dist_to(const Module1& m, double cx) {
    return std::sqrt((m.x - cx) * (m.x - cx) + static_cast<double>(m.y) * m.y);
}

// Polar tracing from the current (x0, y0, r_cur) with phi from `from` by d_phi up to `to`,
// until the line leaves the square or comes within r0 of the charge at `target_x`.
void trace_polar(Module1& m, PictureBox& pic, double from, double to, double target_x) {
    const double step = m.d_phi;
    Angle at{0, 0, 0};
    for (m.phi = from; loop_goes_on(m.phi, to, step); m.phi += step) {
        // Each step starts at the angle where the last one ended, whose cosine and sine are
        // known already.
        if (std::bit_cast<std::uint64_t>(at.phi) != std::bit_cast<std::uint64_t>(m.phi) ||
            m.phi == from) {
            at = angle(m.phi);
        }
        if (!polar_step(m, pic, at) || outside_square(m) || dist_to(m, target_x) < m.r0) {
            break;
        }
    }
}

// A straight radial piece chain upward from (x0, y0) with slope dxdy, to height L.
void trace_straight(Module1& m, PictureBox& pic) {
    const float end = static_cast<float>(m.L);
    const float step = static_cast<float>(m.h_E);
    for (m.y = static_cast<float>(m.y0); loop_goes_on(m.y, end, step); m.y += step) {
        m.x = m.x0 + m.dxdy * m.h_E;
        m.y = static_cast<float>(m.y0 + m.h_E);
        seg_E(m, pic);
        m.x0 = m.x;
        m.y0 = m.y;
        m.y0m = -m.y;
    }
}

// Cartesian tracing of x(y) upward from (x0, y0) until the line leaves the square.
void trace_xy(Module1& m, PictureBox& pic) {
    const float end = static_cast<float>(m.L);
    const float step = static_cast<float>(m.h_E);
    for (m.y = static_cast<float>(m.y0); loop_goes_on(m.y, end, step); m.y += step) {
        if (!rk4_xy(m, pic) || outside_square(m)) {
            break;
        }
    }
}

// The lines of one start angle `theta`: one from each charge (or one straight line from the only
// charge). Reads nothing of the record's working values but theta, and writes the others.
void lines_at_angle(Module1& m, PictureBox& pic) {
    const double ct = std::cos(m.theta);
    const double st = std::sin(m.theta);
    m.rho0 = std::sqrt(m.r0 * m.r0 - 2 * m.r0 * m.a * ct + m.a * m.a);
    m.psi0 = static_cast<float>(std::atan(m.r0 * st / (m.a - m.r0 * ct)));
    m.d_phi = kPi / 501;
    m.h_E = (m.q1 == 0 || m.q2 == 0) ? m.L / 50 : m.L / 501;
    const double cp = std::cos(static_cast<double>(m.psi0));
    const double sp = std::sin(static_cast<double>(m.psi0));

    if (m.q2 == 0) {
        m.x0 = -m.rho0 * cp;
        m.y0 = m.rho0 * sp;
        m.y0m = -m.y0;
        m.dxdy = (m.x0 + m.a) / m.y0;
        trace_straight(m, pic);
    } else if (m.q1 == 0) {
        m.x0 = m.rho0 * cp;
        m.y0 = m.rho0 * sp;
        m.y0m = -m.y0;
        m.dxdy = (m.x0 - m.a) / m.y0;
        trace_straight(m, pic);
    } else if (m.q1 * m.q2 < 0) {
        m.r_cur = m.rho0;
        m.x0 = m.rho0 * cp;
        m.y0 = m.rho0 * sp;
        m.y0m = -m.y0;
        trace_polar(m, pic, m.psi0, kPi - m.d_phi, -m.a);

        m.r_cur = m.rho0;
        m.x0 = -m.rho0 * cp;
        m.y0 = m.rho0 * sp;
        m.y0m = -m.y0;
        m.d_phi = -m.d_phi;
        trace_polar(m, pic, kPi - m.psi0, 0, m.a);
    } else {
        m.x0 = m.rho0 * cp;
        m.y0 = m.rho0 * sp;
        m.y0m = -m.y0;
        trace_xy(m, pic);
        m.x0 = -m.rho0 * cp;
        m.y0 = m.rho0 * sp;
        m.y0m = -m.y0;
        trace_xy(m, pic);
    }
}

// Which side the lines entering from the edge come from, if any.
enum class Edge { None, Right, Left };

Edge edge_lines(const Module1& m) {
    const bool unlike = m.q1 * m.q2 < 0;
    if (unlike && std::abs(m.q2) < std::abs(m.q1)) {
        return Edge::Right;
    }
    if (unlike && std::abs(m.q1) < std::abs(m.q2)) {
        return Edge::Left;
    }
    return Edge::None;
}

// The edge line number i (the record's i), with d_phi as the start angles left it.
void edge_line(Module1& m, PictureBox& pic, Edge edge) {
    if (edge == Edge::Right) {
        m.d_phi = std::abs(m.d_phi);
        m.y0 = m.i * m.L / m.n_E + 10 * m.d_phi;
        m.x0 = m.L;
        m.y0m = -m.y0;
        m.r_cur = std::sqrt(m.x0 * m.x0 + m.y0 * m.y0);
        m.psi0 = static_cast<float>(std::atan(m.y0 / m.x0));
        trace_polar(m, pic, m.psi0, kPi - m.d_phi, -m.a);
    } else {
        m.d_phi = -std::abs(m.d_phi);
        m.y0 = m.i * m.L / m.n_E - 10 * m.d_phi;
        m.x0 = -m.L;
        m.y0m = -m.y0;
        m.r_cur = std::sqrt(m.x0 * m.x0 + m.y0 * m.y0);
        m.psi0 = static_cast<float>(-std::atan(m.y0 / m.x0));
        trace_polar(m, pic, kPi - m.psi0, 0, m.a);
    }
}

// The working values a line writes, each named once for copying and comparing.
template <class F> constexpr void for_each_trace_value(F&& f) {
    f(&Module1::x);
    f(&Module1::y);
    f(&Module1::x0);
    f(&Module1::y0);
    f(&Module1::y0m);
    f(&Module1::rho0);
    f(&Module1::psi0);
    f(&Module1::d_phi);
    f(&Module1::h_E);
    f(&Module1::dxdy);
    f(&Module1::phi);
    f(&Module1::r_cur);
    f(&Module1::r_new);
    f(&Module1::k1);
    f(&Module1::k2);
    f(&Module1::k3);
    f(&Module1::k4);
    f(&Module1::u1);
    f(&Module1::u2);
}
constexpr std::size_t kTraceValues = [] {
    std::size_t n = 0;
    for_each_trace_value([&n](auto) { ++n; });
    return n;
}();

// The bits of a double or float value, and back.
template <class T> std::uint64_t bits_of(T v) {
    if constexpr (sizeof(T) == 8) {
        return std::bit_cast<std::uint64_t>(v);
    } else {
        return std::bit_cast<std::uint32_t>(v);
    }
}
template <class T> T from_bits(std::uint64_t b) {
    if constexpr (sizeof(T) == 8) {
        return std::bit_cast<T>(b);
    } else {
        return std::bit_cast<T>(static_cast<std::uint32_t>(b));
    }
}
// A value no computation stores: a signalling NaN (arithmetic only ever makes quiet ones).
template <class T> std::uint64_t unset_bits() {
    return sizeof(T) == 8 ? std::uint64_t{0x7FF4DEADBEEF0001} : std::uint64_t{0x7FA0BEEF};
}

// A piece computed on another thread starts with every working value unset and hands back the
// values it left; the values it set are copied into the record, the others stay as the earlier
// pieces left them, exactly as when the pieces run one after another on the record.
using TraceValues = std::array<std::uint64_t, kTraceValues>;

void mark_unset(Module1& w) {
    for_each_trace_value([&w](auto member) {
        using T = std::remove_reference_t<decltype(w.*member)>;
        w.*member = from_bits<T>(unset_bits<T>());
    });
}

void save_values(const Module1& w, TraceValues& out) {
    std::size_t n = 0;
    for_each_trace_value([&](auto member) { out[n++] = bits_of(w.*member); });
}

void take_set_values(Module1& m, const TraceValues& in) {
    std::size_t n = 0;
    for_each_trace_value([&](auto member) {
        using T = std::remove_reference_t<decltype(m.*member)>;
        if (in[n] != unset_bits<T>()) {
            m.*member = from_bits<T>(in[n]);
        }
        ++n;
    });
}

// Start angles and edge lines worth tracing on several threads: a few tens (each takes a tenth
// of a millisecond to a millisecond).
constexpr std::size_t kPiecesForThreads = 32;

// One piece of lines_E computed apart: the lines it drew and the values it left.
struct TracedPiece {
    PrimitiveBuffer lines;
    TraceValues values{};
};

} // namespace

void lines_E(Module1& m, PictureBox& pic, Progress& progress) {
    if (m.n_E <= 0) {
        return; // no angular spacing: no field line, as for a negative count
    }
    m.d_theta = static_cast<float>(kPi / m.n_E);
    const double theta_step = m.d_theta;
    std::vector<double> thetas;
    for (m.theta = m.d_theta / 3.0f; loop_goes_on(m.theta, kPi, theta_step);
         m.theta += theta_step) {
        thetas.push_back(m.theta);
    }
    const double theta_after = m.theta;

    // Then the lines entering from the edge on the weaker charge's side.
    const Edge edge = edge_lines(m);
    std::vector<double> edge_i;
    if (edge != Edge::None) {
        const double last = std::floor(m.n_E / 2.0);
        for (double i = 0; loop_goes_on(i, last, 1.0); i += 1) {
            edge_i.push_back(i);
        }
    }
    // Piece j: the lines of start angle j, then edge line j - (number of angles).
    const std::size_t angles = thetas.size();
    const std::size_t pieces = angles + edge_i.size();
    const auto trace = [&](Module1& w, PictureBox& box, std::size_t j) {
        if (j < angles) {
            w.theta = thetas[j];
            lines_at_angle(w, box);
        } else {
            w.i = edge_i[j - angles];
            edge_line(w, box, edge);
        }
    };

    const unsigned threads = workers_for(pieces, kPiecesForThreads);
    if (threads <= 1 || pieces <= 1) {
        // On one thread the pieces run on the record itself, one after another.
        for (std::size_t j = 0; j < pieces; ++j) {
            if (!progress.report(static_cast<double>(j) / pieces)) {
                return;
            }
            trace(m, pic, j);
        }
    } else {
        // Each thread traces on a copy of the record of its own, made here before any runs, and
        // draws into a buffer of its own at the picture's width.
        std::vector<Module1> copies(threads, m);
        const int width = pic.pen_width;
        // Every start angle leaves d_phi at -pi/501 (edge lines come with unlike charges only,
        // whose second line from each start angle runs with the negative step).
        const double d_phi_after_angles = -(kPi / 501);
        const PieceCompute<TracedPiece> compute = [&](std::size_t j, unsigned worker,
                                                      TracedPiece& out) {
            Module1& w = copies[worker];
            mark_unset(w);
            if (j >= angles) {
                w.d_phi = d_phi_after_angles;
            }
            out.lines.clear();
            out.lines.pen_width = width;
            trace(w, out.lines, j);
            save_values(w, out.values);
        };
        const PieceTake<TracedPiece> take = [&](std::size_t j, TracedPiece& in) {
            if (!progress.report(static_cast<double>(j) / pieces)) {
                return false;
            }
            in.lines.replay(pic);
            take_set_values(m, in.values);
            // The loop counters as the piece set them (the final ones are set at the end).
            if (j < angles) {
                m.theta = thetas[j];
            } else {
                m.i = edge_i[j - angles];
            }
            return true;
        };
        if (!run_in_order(pieces, threads, compute, take)) {
            return;
        }
    }
    m.theta = theta_after;
    if (!edge_i.empty()) {
        m.i = edge_i.back() + 1;
    }
}
