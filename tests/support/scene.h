#pragma once
// A field picture to draw on, as the main window keeps one: the inputs (the start-up values
// unless given), what the picture keeps of its frame and charges, what the characteristic lines
// found, a picture box, and dialogs and a desktop that record what they are asked. The frame and
// the charges are drawn when it is made; a recording box then forgets them, so that it holds
// only what comes next.
//
// The core tests draw on the recording picture box (Scene); the benchmarks on the program's box
// or on one that draws nothing (bench/bench_scene.h).
#include <optional>
#include <string>
#include <utility>

#include "analysis/characteristic_results.h"
#include "base/progress.h"
#include "model/field_params.h"
#include "picture/compute.h"
#include "picture/frame.h"
#include "support/recording_dialogs.h"
#include "support/recording_picture_box.h"

template <class Box> struct SceneOn {
    FieldParams params;
    FieldPicture picture;
    CharacteristicResults results;
    Box pic;
    RecordingDialogs dialogs;
    RecordingPlatform platform; // records the tone instead of sounding it

    explicit SceneOn(FieldParams inputs = {}) : params(std::move(inputs)) { frame(); }

    // A cleared picture with the frame and the charges of the inputs as they are now.
    void frame() {
        pic.clear();
        picture.frame = draw_frame(params, pic);
        picture.charges = draw_charges(params, pic);
        if constexpr (requires { pic.forget(); }) {
            pic.forget();
        }
    }

    // The computation command; returns the level step it tells.
    std::optional<std::string> compute(Progress& progress = no_progress()) {
        return compute_picture(params, picture, pic, dialogs, platform, progress);
    }
};

using Scene = SceneOn<RecordingPictureBox>;
