#pragma once
// Values of the six profile windows that outlive a redraw.
struct ProfileValues {};
