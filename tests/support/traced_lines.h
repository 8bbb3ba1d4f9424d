#pragma once
// The field lines of a recorded picture: the dark-red segments come in pairs, a piece above the
// axis and its mirror; the upper pieces are split into lines where a piece does not start at
// the end of the one before.
#include <gtest/gtest.h>

#include <vector>

#include "picture/field_lines.h"
#include "support/recording_picture_box.h"

struct Segment {
    float x1, y1, x2, y2;
};
using TracedLine = std::vector<Segment>;

inline std::vector<TracedLine> traced_lines(const RecordingPictureBox& pic) {
    const auto red = pic.of(DrawCall::Line, kFieldLineColour);
    EXPECT_EQ(red.size() % 2, 0u) << "every piece has its mirror";
    std::vector<TracedLine> lines;
    for (std::size_t j = 0; j + 1 < red.size(); j += 2) {
        const DrawCall& up = red[j];
        const DrawCall& mirror = red[j + 1];
        EXPECT_EQ(mirror.x1, up.x1);
        EXPECT_EQ(mirror.x2, up.x2);
        EXPECT_EQ(mirror.y1, -up.y1);
        EXPECT_EQ(mirror.y2, -up.y2);
        const Segment s{up.x1, up.y1, up.x2, up.y2};
        if (lines.empty() || lines.back().back().x2 != s.x1 || lines.back().back().y2 != s.y1) {
            lines.emplace_back();
        }
        lines.back().push_back(s);
    }
    return lines;
}
