// The keyless text scrambling of AppSetup.dat key lines: a substitution over
// the 95 printable ASCII characters, shifted by the text's length, optionally
// reversed and framed. Characters outside the alphabet pass through unchanged.
#pragma once

#include <string>
#include <string_view>

// Fails, with an empty output, when the text is empty. With framing the output
// is three characters longer than the text.
bool EncodeText(std::string_view text, bool framing, bool reversal, std::string* out);

// Fails, with an empty output, when the input is empty or, with framing, shorter
// than 3 characters. The framing characters are skipped, not checked.
bool DecodeText(std::string_view text, bool framing, bool reversal, std::string* out);
