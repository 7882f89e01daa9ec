#include "editor/disc_image/source_date.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>

#include "editor/disc_image/disc_contents.h"
#include "platform/platform.h"

namespace {

constexpr std::size_t kShownChars = 32;

// The value as a message may quote it: printable ASCII, cut short.
std::string Quoted(const std::string& value) {
    std::string text;
    for (char c : value.substr(0, kShownChars))
        text += std::isprint(static_cast<unsigned char>(c)) ? c : '?';
    return "\"" + text + (value.size() > kShownChars ? "...\"" : "\"");
}

// Saved by the editor and written by the build before every image.
bool IsRewrittenEachTime(const std::string& leaf) {
    std::string lower;
    for (char c : leaf) lower += char(std::tolower(static_cast<unsigned char>(c)));
    return lower == "appsetup.dat" || lower == "autorun.inf" || lower == "velomar.exe";
}

}  // namespace

std::string ReadSourceDateEpoch(std::int64_t* seconds) {
    *seconds = -1;
    const char* set = std::getenv("SOURCE_DATE_EPOCH");
    if (!set) return "";
    const std::string value = set;
    std::int64_t number = value.empty() ? -1 : 0;
    for (char c : value) {
        if (!std::isdigit(static_cast<unsigned char>(c)) || number > kLatestImageDate) {
            number = -1;
            break;
        }
        number = number * 10 + (c - '0');
    }
    if (number < 1 || number > kLatestImageDate)
        return "Cannot make a disc image: SOURCE_DATE_EPOCH is " + Quoted(value) +
               ", not a whole number of seconds since 1970-01-01 00:00:00 UTC from 1 to " +
               std::to_string(kLatestImageDate) +
               " (the end of 2155). Set it to such a number, or unset it to date the image by "
               "the project's newest file.";
    *seconds = number;
    return "";
}

std::int64_t NewestFileDate(const std::string& root, const std::vector<std::string>& leftOut) {
    platform::System& system = *platform::Current().system;
    std::vector<std::string> skipped = leftOut;  // sorted: there may be thousands
    std::sort(skipped.begin(), skipped.end());
    std::int64_t newest = 0;
    ForEachDiscEntry(root, [&](const std::string& folder, const std::string& name,
                               const std::string& path, DiscEntry entry, platform::EntryKind kind) {
        if (entry != DiscEntry::Kept || (folder == root && IsRewrittenEachTime(name)) ||
            std::binary_search(skipped.begin(), skipped.end(), path))
            return false;
        platform::FileStamp stamp;
        if (kind == platform::EntryKind::File && system.GetFileStamp(path, &stamp))
            newest = std::max(newest, stamp.modified / 1000000000);
        return true;
    });
    return newest > 0 ? std::min(newest, kLatestImageDate) : kNoFileDate;
}
