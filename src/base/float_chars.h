#pragma once
// Floating-point numbers to text and back, exactly as std::to_chars and std::from_chars write and
// read them (shortest round trip; scientific, fixed or general to a precision; decimal reading
// with result_out_of_range for a value beyond a double's range or too small for one).
//
// A standard library without the floating-point overloads (libc++ 13, which Debian's emscripten
// ships) gets the C library's way instead: correctly rounded snprintf and strtod give the same
// digits, and the same choice of fixed or scientific form. The library's feature-test macro
// chooses; the tests compare both ways natively, byte for byte.
#include <charconv>
#include <version>

namespace c_library_chars {

// Shortest text that reads back as exactly v: as std::to_chars(first, last, v).
std::to_chars_result to_chars(char* first, char* last, double v);
std::to_chars_result to_chars(char* first, char* last, float v);
// As std::to_chars(first, last, v, format, precision), for the scientific, fixed and general
// formats (as printf's %e, %f and %g).
std::to_chars_result to_chars(char* first, char* last, double v, std::chars_format format,
                              int precision);
// As std::from_chars(first, last, v) in the general format.
std::from_chars_result from_chars(const char* first, const char* last, double& v);

} // namespace c_library_chars

namespace portable {

#ifdef __cpp_lib_to_chars
inline constexpr bool kStandardFloatChars = true;
using std::from_chars;
using std::to_chars;
#else
inline constexpr bool kStandardFloatChars = false;
using c_library_chars::from_chars;
using c_library_chars::to_chars;
#endif

} // namespace portable
