#pragma once
// Text in the single-byte Cyrillic code page Windows-1251, as the point log is written.
#include <string>
#include <string_view>

// The UTF-8 text in Windows-1251. Characters the code page lacks, and bytes that are not valid
// UTF-8, become '?'.
std::string utf8_to_cp1251(std::string_view utf8);
