#include "profiles/profile_family.h"

TwipRect profile_placement(const ProfileKind& kind, double W, double H, double Lf, double Tf) {
    TwipRect r;
    r.width = kind.w * W;
    r.height = kind.h * H;
    r.left = Lf + kind.left * W;
    r.top = Tf + kind.top * H;
    return r;
}

ProfileLayout profile_layout(const LayoutMeasures& measures, const ProfileKind& kind, float SW,
                             float SH) {
    const float gx = static_cast<float>(measures.gap_x);
    const float gy = static_cast<float>(measures.gap_y);
    const float wc = static_cast<float>(measures.column_width);
    const float hr = static_cast<float>(measures.row_height);
    ProfileLayout l;
    if (!kind.vertical) {
        // The scale bar fills the left column above its label; the picture fills the rest.
        l.bar.width = 0.5f * wc;
        l.bar.height = SH - 2 * gy - hr;
        l.bar.left = gx;
        l.bar.top = gy;
        l.label = {gx, l.bar.height + gy, 0.5f * wc, hr};
        l.picture = {l.bar.width + gx, gy, SW - 2 * gx - l.bar.width, SH - 2 * gx};
    } else {
        // The label and the scale bar share the top row; the picture fills the rest.
        l.label = {gx, gy, 0.5f * wc, hr};
        l.bar.width = SW - l.label.width - 2 * gx;
        l.bar.height = hr;
        l.bar.left = l.label.width + gx;
        l.bar.top = gy;
        l.picture = {gx, 2 * gy + l.bar.height, SW - 2 * gx, SH - l.bar.height - 3 * gx};
    }
    l.usable = true;
    for (const PixelRect& r : {l.bar, l.label, l.picture}) {
        // Below one pixel the control would vanish (or get a negative size).
        if (!(r.width >= 1 && r.height >= 1)) {
            l.usable = false;
        }
    }
    return l;
}

double profile_factor(int bar_value) {
    return 1 + 0.05 * bar_value;
}
