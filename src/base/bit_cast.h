#pragma once
// The bits of one value read as another type of the same size: std::bit_cast where the standard
// library has it, and the same through memcpy where it does not (libc++ 13, which Debian's
// emscripten ships).
#include <cstring>
#include <type_traits>
#include <version>
#ifdef __cpp_lib_bit_cast
#include <bit>
#endif

namespace portable {

#ifdef __cpp_lib_bit_cast
using std::bit_cast;
#else
template <class To, class From> To bit_cast(const From& from) noexcept {
    static_assert(sizeof(To) == sizeof(From));
    static_assert(std::is_trivially_copyable_v<To> && std::is_trivially_copyable_v<From>);
    To to;
    std::memcpy(&to, &from, sizeof to);
    return to;
}
#endif

} // namespace portable
