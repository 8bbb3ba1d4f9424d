#pragma once
// Values written by the characteristic lines and the probes, kept between clicks.
struct AnalysisValues {};
