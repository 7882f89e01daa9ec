// JSON text for `show`. Settings strings are bytes in whatever code page the
// project was made in, so valid UTF-8 is written as it is and every other byte
// b becomes the escape \udcXX (the code point U+DC00 + b, 0x80 <= b <= 0xFF),
// Python's "surrogateescape" form: nothing is lost, and no valid UTF-8 text
// can produce those code points.
#pragma once

#include <nlohmann/json.hpp>
#include <string>

// A quoted JSON string for the bytes of `text`.
std::string JsonQuote(const std::string& text);

// The document with two-space indentation and a final line feed; strings go
// through JsonQuote.
std::string JsonText(const nlohmann::ordered_json& document);
