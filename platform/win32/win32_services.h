// Message boxes, sound and the shell.
#pragma once

#include "platform/services.h"

namespace platform::win32 {

class Win32WindowSystem;

class Win32Services : public Services {
  public:
    explicit Win32Services(const Win32WindowSystem* windows) : windows_(windows) {}

    MessageAnswer ShowMessage(const std::string& text, MessageButtons buttons) override;
    void Trace(const std::string& text) override;
    bool WantsTrace() const override { return false; }
    void PlaySoundFile(const std::string& path) override;
    bool ShellExecuteFile(Window* window, const char* verb, const std::string& file,
                          const char* params) override;

  private:
    const Win32WindowSystem* windows_;
};

// The program's file name without folder and extension: the caption of its
// message boxes ("Velomar").
std::string ProgramName();

}  // namespace platform::win32
