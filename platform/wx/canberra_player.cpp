#include "platform/wx/canberra_player.h"

#include <alsa/asoundlib.h>
#include <canberra.h>
#include <dlfcn.h>
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

// The sound libraries are loaded with the first sound, not with the program:
// seven libraries fewer to load and bind at every start, and none at all for
// a menu without sounds. They stay loaded once there.
struct Canberra {
    decltype(&ca_context_create) create = nullptr;
    decltype(&ca_context_destroy) destroy = nullptr;
    decltype(&ca_context_change_props) changeProps = nullptr;
    decltype(&ca_context_cancel) cancel = nullptr;
    decltype(&ca_context_play) play = nullptr;
    decltype(&snd_lib_error_set_handler) alsaErrors = nullptr;

    Canberra() {
        void* canberra = dlopen("libcanberra.so.0", RTLD_NOW | RTLD_LOCAL);
        void* alsa = dlopen("libasound.so.2", RTLD_NOW | RTLD_LOCAL);
        if (!canberra || !alsa) return;
        Find(canberra, "ca_context_create", &create);
        Find(canberra, "ca_context_destroy", &destroy);
        Find(canberra, "ca_context_change_props", &changeProps);
        Find(canberra, "ca_context_cancel", &cancel);
        Find(canberra, "ca_context_play", &play);
        Find(alsa, "snd_lib_error_set_handler", &alsaErrors);
    }
    template <class F>
    static void Find(void* library, const char* name, F* call) {
        *call = reinterpret_cast<F>(dlsym(library, name));
    }
    bool ok() const { return create && destroy && changeProps && cancel && play && alsaErrors; }
};

const Canberra& Calls() {
    static const Canberra calls;
    return calls;
}
}  // namespace

CanberraPlayer::~CanberraPlayer() {
    if (context_) Calls().destroy(context_);
}

bool CanberraPlayer::Play(const std::string& path) {
    if (!IsRegularFile(path) || unavailable_) return false;
    const Canberra& ca = Calls();
    if (!context_) {
        if (!ca.ok()) {
            unavailable_ = true;
            return false;
        }
        ca.alsaErrors(QuietAlsa);
        if (ca.create(&context_) != CA_SUCCESS) {
            context_ = nullptr;
            unavailable_ = true;
            return false;
        }
        ca.changeProps(context_, CA_PROP_APPLICATION_NAME, "velomar", nullptr);
    }
    ca.cancel(context_, kSoundId);
    return ca.play(context_, kSoundId, CA_PROP_MEDIA_FILENAME, path.c_str(),
                   CA_PROP_CANBERRA_CACHE_CONTROL, "never", nullptr) == CA_SUCCESS;
}

}  // namespace platform::wx
