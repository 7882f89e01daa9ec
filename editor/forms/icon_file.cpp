#include "editor/forms/icon_file.h"

#include <cstdint>
#include <cstdio>
#include <memory>

#include "platform/platform.h"

namespace {

constexpr std::size_t kHeaderBytes = 6, kEntryBytes = 16;

struct FileCloser {
    void operator()(std::FILE* f) const { std::fclose(f); }
};

std::uint32_t Little(const std::string& bytes, std::size_t at, int count) {
    std::uint32_t value = 0;
    for (int i = count - 1; i >= 0; --i)
        value = value << 8 | static_cast<unsigned char>(bytes[at + std::size_t(i)]);
    return value;
}

// One byte past the limit is read, so a larger file is seen as such.
bool ReadBounded(const std::string& path, std::string* bytes) {
    std::unique_ptr<std::FILE, FileCloser> file(
        path.empty() ? nullptr : platform::Current().system->OpenRegularFile(path));
    if (!file) return false;
    bytes->resize(kMaxIconBytes + 1);
    bytes->resize(std::fread(bytes->data(), 1, bytes->size(), file.get()));
    return !std::ferror(file.get());
}

}  // namespace

std::string IconFileFault(const std::string& path) {
    std::string bytes;
    if (!ReadBounded(path, &bytes))
        return "Failed to access the specified icon file.\nPlease select another.";
    const std::string named = path + " is not an icon file (.ico): ";
    if (bytes.size() > kMaxIconBytes)
        return named + "it is larger than " + std::to_string(kMaxIconBytes >> 20) + " MiB.";
    if (bytes.size() < kHeaderBytes || Little(bytes, 0, 2) != 0 || Little(bytes, 2, 2) != 1)
        return named + "it does not begin as one.";
    const std::size_t count = Little(bytes, 4, 2);
    if (count == 0) return named + "it holds no image.";
    const std::size_t table = kHeaderBytes + count * kEntryBytes;
    if (bytes.size() < table) return named + "its list of images is cut short.";
    for (std::size_t i = 0; i < count; ++i) {
        const std::size_t entry = kHeaderBytes + i * kEntryBytes;
        const std::uint64_t size = Little(bytes, entry + 8, 4);
        const std::uint64_t offset = Little(bytes, entry + 12, 4);
        if (size == 0 || offset < table || offset + size > bytes.size())
            return named + "image " + std::to_string(i + 1) + " lies outside the file.";
    }
    return "";
}
