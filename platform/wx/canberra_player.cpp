#include "platform/wx/canberra_player.h"

#include <alsa/asoundlib.h>
#include <canberra.h>
#include <sys/stat.h>

namespace platform::wx {

namespace {
// One id for every sound of ours, so cancelling it stops whatever still plays.
constexpr uint32_t kSoundId = 1;

// ALSA's default handler prints every error on stderr: with no sound device,
// eight lines for each sound. A menu with no sound device plays silence.
void QuietAlsa(const char*, int, const char*, int, const char*, ...) {}

bool IsRegularFile(const std::string& path) {
    struct stat st;
    return ::stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}
}  // namespace

CanberraPlayer::~CanberraPlayer() {
    if (context_) ca_context_destroy(context_);
}

bool CanberraPlayer::Play(const std::string& path) {
    if (!IsRegularFile(path) || unavailable_) return false;
    if (!context_) {
        snd_lib_error_set_handler(QuietAlsa);
        if (ca_context_create(&context_) != CA_SUCCESS) {
            context_ = nullptr;
            unavailable_ = true;
            return false;
        }
        ca_context_change_props(context_, CA_PROP_APPLICATION_NAME, "velomar", nullptr);
    }
    ca_context_cancel(context_, kSoundId);
    return ca_context_play(context_, kSoundId, CA_PROP_MEDIA_FILENAME, path.c_str(),
                           CA_PROP_CANBERRA_CACHE_CONTROL, "never", nullptr) == CA_SUCCESS;
}

}  // namespace platform::wx
