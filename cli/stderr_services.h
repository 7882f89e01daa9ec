// The CLI's platform services: messages go to stderr, questions are answered
// No unless the command line said Yes, and there is no sound, shell or trace.
#pragma once

#include <string>

#include "platform/services.h"

class StderrServices : public platform::Services {
  public:
    // Prints the text as the message box would show it (plus a line feed when it
    // has none of its own). A question answered Yes by a flag is not printed.
    platform::MessageAnswer ShowMessage(const std::string& text,
                                        platform::MessageButtons buttons) override;
    void Trace(const std::string&) override {}
    bool WantsTrace() const override { return false; }
    void PlaySoundFile(const std::string&) override {}
    bool ShellExecuteFile(platform::Window*, const char*, const std::string&,
                          const char*) override {
        return false;
    }

    // --force and the like: every Yes/No question is answered Yes.
    void AnswerYes(bool yes) { answerYes_ = yes; }

    // How many questions were answered No.
    int Declined() const { return declined_; }

    // On a terminal only: `line` replaces the progress line shown last. A
    // message or EndProgress moves on to a new line.
    void ShowProgress(const std::string& line);
    void EndProgress();

  private:
    bool progressShown_ = false;
    bool answerYes_ = false;
    int declined_ = 0;
};
