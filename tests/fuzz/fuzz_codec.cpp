// The text codec on arbitrary bytes: encoding then decoding gives the text back
// in every mode, and decoding never fails on an input long enough.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "engine/text_codec.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    const bool framing = data[0] & 1;
    const bool reversal = data[0] & 2;
    const std::string text(reinterpret_cast<const char*>(data + 1), size - 1);

    std::string encoded, decoded;
    const bool encodedOk = EncodeText(text, framing, reversal, &encoded);
    if (encodedOk != !text.empty()) std::abort();
    if (encodedOk) {
        if (encoded.size() != text.size() + (framing ? 3 : 0)) std::abort();
        if (!DecodeText(encoded, framing, reversal, &decoded) || decoded != text) std::abort();
    }

    // Any input decodes; encoding the result restores everything but the framing.
    const bool decodable = framing ? text.size() >= 3 : !text.empty();
    if (DecodeText(text, framing, reversal, &decoded) != decodable) std::abort();
    if (decodable && !decoded.empty()) {
        EncodeText(decoded, framing, reversal, &encoded);
        const std::size_t skip = framing ? 2 : 0;
        if (encoded.compare(skip, decoded.size(), text, skip, decoded.size()) != 0) std::abort();
    }
    return 0;
}
