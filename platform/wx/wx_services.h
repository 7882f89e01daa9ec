// Services on a Linux desktop: wx message boxes, libcanberra sounds, the
// desktop's opener for shell commands. Trace texts are discarded.
#pragma once

#include <string>

#include "platform/services.h"
#include "platform/wx/canberra_player.h"

namespace platform::wx {

class WxServices : public Services {
  public:
    // caption: the program name shown on every message box.
    explicit WxServices(std::string caption);

    MessageAnswer ShowMessage(const std::string& text, MessageButtons buttons) override;
    void Trace(const std::string& text) override;
    bool WantsTrace() const override { return false; }
    void PlaySoundFile(const std::string& path) override;
    bool ShellExecuteFile(Window* window, const char* verb, const std::string& file,
                          const char* params) override;

  private:
    std::string caption_;
    std::string messageLog_;  // VELOMAR_MESSAGE_LOG: tests read the texts of real dialogs here
    CanberraPlayer player_;
};

}  // namespace platform::wx
