#include "engine/text_codec.h"

#include <array>
#include <cstddef>
#include <cstdint>

namespace {

constexpr char kAlphabet[] =
    "abcdefghijklmnopqrstuvwxyz"
    " "
    "ABCDEFGHIJKLMNOPQRSTUVWXYZ"
    "0123456789"
    "`~!@#$%^&*()-_=+\\|[{]};:'\",<.>/?";
constexpr std::int64_t kSize = sizeof(kAlphabet) - 1;
static_assert(kSize == 95, "every printable ASCII character exactly once");

constexpr int kNone = -1;

// Index of each byte in the alphabet, or kNone.
const std::array<int, 256>& PositionTable() {
    static const std::array<int, 256> table = [] {
        std::array<int, 256> t{};
        t.fill(kNone);
        for (int i = 0; i < kSize; ++i) t[static_cast<unsigned char>(kAlphabet[i])] = i;
        return t;
    }();
    return table;
}

int Pos(char c) { return PositionTable()[static_cast<unsigned char>(c)]; }

// Any index, negative ones included, wrapped into the alphabet.
char At(std::int64_t index) {
    std::int64_t i = index % kSize;
    if (i < 0) i += kSize;
    return kAlphabet[i];
}

// Shift K of a text of length L. 64-bit so that no length can overflow it.
std::int64_t ShiftFor(std::size_t length) { return kSize / 2 + std::int64_t(length); }

// shift is already wrapped into [0, 95): one compare instead of a division per
// character, which is what the reader spends its time on.
char Shifted(char c, int shift) {
    int p = Pos(c);
    if (p == kNone) return c;
    p += shift;
    return kAlphabet[p >= kSize ? p - kSize : p];
}

// Appends text[first, last) shifted, in order or backwards.
void AppendShifted(std::string_view text, std::size_t first, std::size_t last, bool reversal,
                   std::int64_t anyShift, std::string* out) {
    const int shift = int(((anyShift % kSize) + kSize) % kSize);
    if (reversal) {
        for (std::size_t i = last; i > first; --i) out->push_back(Shifted(text[i - 1], shift));
    } else {
        for (std::size_t i = first; i < last; ++i) out->push_back(Shifted(text[i], shift));
    }
}

}  // namespace

bool EncodeText(std::string_view text, bool framing, bool reversal, std::string* out) {
    out->clear();
    if (text.empty()) return false;
    const std::int64_t length = std::int64_t(text.size());
    out->reserve(text.size() + 3);

    if (framing) {
        out->push_back(At(2 * length));
        int last = Pos(text.back());
        out->push_back(last == kNone ? At(length / 2) : At(3 * (std::int64_t(last) + 1)));
    }
    AppendShifted(text, 0, text.size(), reversal, ShiftFor(text.size()), out);
    if (framing) {
        int first = Pos(text.front());
        out->push_back(first == kNone ? At(length / 2 + 1) : At(std::int64_t(first) + 21));
    }
    return true;
}

bool DecodeText(std::string_view text, bool framing, bool reversal, std::string* out) {
    out->clear();
    if (text.empty()) return false;
    if (framing && text.size() < 3) return false;

    const std::size_t first = framing ? 2 : 0;
    const std::size_t last = framing ? text.size() - 1 : text.size();
    const std::size_t length = last - first;
    out->reserve(length);
    AppendShifted(text, first, last, reversal, -ShiftFor(length), out);
    return true;
}
