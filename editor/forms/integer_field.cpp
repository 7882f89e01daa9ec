#include "editor/forms/integer_field.h"

#include <limits>
#include <vector>

#include "platform/platform.h"

namespace {
bool IsBlank(char c) { return c == ' ' || c == '\t'; }
}  // namespace

bool ParseIntegerField(const std::string& text, std::int32_t* value) {
    std::size_t i = 0, end = text.size();
    while (i < end && IsBlank(text[i])) ++i;
    while (end > i && IsBlank(text[end - 1])) --end;
    bool negative = false;
    if (i < end && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
    if (i == end) return false;
    std::int64_t magnitude = 0;
    for (; i < end; ++i) {
        if (text[i] < '0' || text[i] > '9') return false;
        magnitude = magnitude * 10 + (text[i] - '0');
        if (magnitude > std::int64_t(std::numeric_limits<std::int32_t>::max()) + 1) return false;
    }
    const std::int64_t signed_value = negative ? -magnitude : magnitude;
    if (signed_value > std::numeric_limits<std::int32_t>::max()) return false;
    *value = std::int32_t(signed_value);
    return true;
}

bool ReadIntegerFields(std::initializer_list<IntegerField> fields) {
    std::vector<std::int32_t> values;
    for (const IntegerField& field : fields) {
        std::int32_t value = 0;
        if (!ParseIntegerField(field.text, &value)) {
            platform::Current().services->ShowMessage("Please enter an integer.",
                                                      platform::MessageButtons::Ok);
            return false;
        }
        values.push_back(value);
    }
    std::size_t n = 0;
    for (const IntegerField& field : fields) *field.target = values[n++];
    return true;
}
