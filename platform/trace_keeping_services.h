// Passes everything on to other services but counts the messages and keeps
// the last trace: a window that fails without a message box (a missing logo)
// can still tell the user why.
#pragma once

#include <string>

#include "platform/services.h"

namespace platform {

class TraceKeepingServices : public Services {
  public:
    explicit TraceKeepingServices(Services* inner) : inner_(inner) {}
    MessageAnswer ShowMessage(const std::string& text, MessageButtons buttons) override {
        ++messages;
        return inner_->ShowMessage(text, buttons);
    }
    void Trace(const std::string& text) override { lastTrace = text; }
    bool WantsTrace() const override { return keepTraces; }
    void PlaySoundFile(const std::string& path) override { inner_->PlaySoundFile(path); }
    bool ShellExecuteFile(Window* window, const char* verb, const std::string& file,
                          const char* params) override {
        return inner_->ShellExecuteFile(window, verb, file, params);
    }

    int messages = 0;
    std::string lastTrace;
    // The settings reader traces every line it passes over, millions of times
    // in a junk-filled file, and its failures all come with a message: callers
    // turn this off while it reads.
    bool keepTraces = true;

  private:
    Services* inner_;
};

}  // namespace platform
