// Services that record instead of acting: what tests and the headless host use.
#pragma once

#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "platform/services.h"

namespace platform {

struct ShellCall {
    std::optional<std::string> verb;  // nullopt: a null verb
    std::string file;
    std::optional<std::string> params;  // nullopt: null parameters
};

class RecordingServices : public Services {
public:
    MessageAnswer ShowMessage(const std::string& text, MessageButtons buttons) override;
    void Trace(const std::string& text) override;
    bool WantsTrace() const override { return true; }
    void PlaySoundFile(const std::string& path) override;
    // Recorded; the next `shellFailures` calls fail, the others succeed.
    bool ShellExecuteFile(Window* window, const char* verb, const std::string& file,
                          const char* params) override;

    // Answers given to Yes/No questions, in order; when none are left the answer is No.
    void ScriptAnswers(std::initializer_list<MessageAnswer> answers);

    std::vector<std::string> messages;
    std::vector<std::string> traces;
    std::vector<std::string> sounds;
    std::vector<ShellCall> shellCalls;
    int shellFailures = 0;

private:
    std::deque<MessageAnswer> answers_;
};

}  // namespace platform
