#pragma once
// x^y with the same bits on every machine and in WebAssembly (see the source for how).

namespace portable {

double pow(double x, double y);

} // namespace portable
