// Event sounds through libcanberra: asynchronous, one at a time, silent on any failure.
#pragma once

#include <string>

struct ca_context;

namespace platform::wx {

class CanberraPlayer {
  public:
    CanberraPlayer() = default;
    ~CanberraPlayer();
    CanberraPlayer(const CanberraPlayer&) = delete;
    CanberraPlayer& operator=(const CanberraPlayer&) = delete;

    // Cancels the sound still playing, then starts this file. Returns at once.
    // False (and silence) when the file or the sound system is not usable.
    bool Play(const std::string& path);

  private:
    ca_context* context_ = nullptr;
    bool unavailable_ = false;  // creation failed once: do not retry on every hover
};

}  // namespace platform::wx
