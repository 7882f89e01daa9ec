// Reading UTF-8 where project text may also be in the ANSI code page.
#pragma once

#include <cstddef>
#include <string>

// The UTF-8 sequence at `at` (2 to 4 bytes, shortest form); 0 when there is none.
std::size_t Utf8At(const std::string& text, std::size_t at, char32_t* code);
