#pragma once
// The entry point of a fuzz target, and the check that ends the run when a contract is broken:
// libFuzzer keeps the input that did it, and a stored input fails its test.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

inline void fuzz_require(bool ok, const char* contract, std::string_view input) {
    if (!ok) {
        std::fprintf(stderr, "broken: %s\ninput (%zu bytes): %.*s\n", contract, input.size(),
                     static_cast<int>(input.size() < 400 ? input.size() : 400), input.data());
        std::abort();
    }
}
