#include "editor/pictures_ahead.h"

#include <algorithm>
#include <system_error>

#include "engine/installer_wnd.h"
#include "engine/settings_file.h"
#include "engine/settings_keys.h"
#include "engine/settings_values.h"
#include "platform/graphics.h"
#include "platform/system.h"

namespace {

// The background and logo files the project names, read leniently: a name
// read wrong only means that picture is decoded again on the main thread.
std::vector<std::string> PictureNames(const std::string& folder, platform::System& system) {
    SettingsFile file;
    if (!file.Open(SettingsFilePath(folder))) return {};
    std::string language;
    system.GetSystemLanguageName(&language);
    std::size_t header = file.FindLine("[" + language + "]");
    if (header == SettingsFile::kNoLine) header = file.FindLine("[English]");
    if (header == SettingsFile::kNoLine) return {};
    auto value = [&](const SettingsKey& key, int slot, bool scrambled) {
        const SettingsFile::KeyLine found = file.FindKey(header, key.NameFor(slot), scrambled);
        return found.found ? std::string(found.line.substr(found.line.find('=') + 1)) : "";
    };
    using namespace settings_keys;
    const bool scrambled = ParseLenientInt(value(Encryption, 0, false)) != 0;
    std::vector<std::string> names;
    const std::string background = value(Head[1], 0, scrambled);
    if (!background.empty() && background.compare(0, 2, "@@") != 0) names.push_back(background);
    const int logos = ParseLenientInt(value(LogoCount, 0, scrambled));
    for (int i = 0; i < logos && i < MAX_LOGOS; ++i)
        names.push_back(value(LogoSlot[0], i, scrambled));
    return names;
}

}  // namespace

PicturesAhead::PicturesAhead(const std::string& folder, platform::Graphics& graphics,
                             platform::System& system)
    : folder_(folder), graphics_(graphics), system_(system) {
    try {
        thread_ = std::thread([this] { Decode(); });
    } catch (const std::system_error&) {
        // No thread: the open decodes them all as usual.
    }
}

PicturesAhead::~PicturesAhead() {
    if (thread_.joinable()) thread_.join();
}

std::vector<PictureCache::Decoded> PicturesAhead::Take() {
    if (thread_.joinable()) thread_.join();
    return std::move(decoded_);
}

// The stamp is taken before the decode, as the cache takes it: a file
// written meanwhile no longer matches and is read again.
void PicturesAhead::Decode() {
    try {
        // The face is picked whatever the size; the window's font finds it made.
        graphics_.CreateFontFor(HotSpotFontRequest(0));
        long long room = PictureLoader::kBudgetPixels;
        for (const std::string& name : PictureNames(folder_, system_)) {
            PictureCache::Decoded picture;
            picture.path = system_.RealPath(folder_, name);
            const bool seen = std::any_of(decoded_.begin(), decoded_.end(),
                                          [&](const auto& d) { return d.path == picture.path; });
            if (seen || !system_.GetFileStamp(picture.path, &picture.stamp)) continue;
            picture.bitmap = graphics_.LoadBitmapFile(picture.path, room);
            platform::BitmapInfo info;
            if (!picture.bitmap || !picture.bitmap->GetInfo(&info)) continue;
            room -=
                static_cast<long long>(info.width) * std::abs(static_cast<long long>(info.height));
            decoded_.push_back(std::move(picture));
        }
    } catch (...) {
        // Out of memory: the main thread loads the pictures itself and says so.
        decoded_.clear();
    }
}
