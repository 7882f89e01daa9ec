#include "editor/picture_cache.h"

#include "platform/platform.h"

void PictureCache::BeginWindow() {
    PictureLoader::BeginWindow();
    for (auto& entry : entries_) entry.second.used = false;
}

void PictureCache::EndWindow() {
    for (auto it = entries_.begin(); it != entries_.end();)
        it = it->second.used ? std::next(it) : entries_.erase(it);
}

std::shared_ptr<platform::Bitmap> PictureCache::Load(const std::string& path) {
    platform::FileStamp stamp;
    const bool stamped = platform::Current().system->GetFileStamp(path, &stamp);
    auto found = entries_.find(path);
    if (found != entries_.end() && stamped && found->second.stamp == stamp) {
        Entry& entry = found->second;
        // Counted in every slot that shows it, as the runtime counts it, so a
        // project the preview shows is one the disc shows.
        if (!Charge(entry.pixels)) return nullptr;
        entry.used = true;
        return entry.bitmap;
    }
    if (found != entries_.end()) entries_.erase(found);
    std::shared_ptr<platform::Bitmap> bitmap = PictureLoader::Load(path);
    // The stamp was taken first: a file written meanwhile is read again next time.
    if (bitmap && stamped) entries_[path] = Entry{stamp, bitmap, PixelsOf(*bitmap), true};
    return bitmap;
}

void PictureCache::Adopt(std::vector<Decoded> pictures) {
    for (Decoded& p : pictures)
        entries_[p.path] = Entry{p.stamp, p.bitmap, PixelsOf(*p.bitmap), false};
}
