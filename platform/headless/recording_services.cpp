#include "platform/headless/recording_services.h"

namespace platform {

MessageAnswer RecordingServices::ShowMessage(const std::string& text, MessageButtons buttons) {
    messages.push_back(text);
    if (buttons == MessageButtons::Ok) return MessageAnswer::Ok;
    if (answers_.empty()) return MessageAnswer::No;
    MessageAnswer answer = answers_.front();
    answers_.pop_front();
    return answer;
}

void RecordingServices::Trace(const std::string& text) { traces.push_back(text); }

void RecordingServices::PlaySoundFile(const std::string& path) { sounds.push_back(path); }

bool RecordingServices::ShellExecuteFile(Window*, const char* verb, const std::string& file,
                                         const char* params) {
    ShellCall call;
    if (verb) call.verb = verb;
    call.file = file;
    if (params) call.params = params;
    shellCalls.push_back(call);
    if (shellFailures == 0) return true;
    --shellFailures;
    return false;
}

void RecordingServices::ScriptAnswers(std::initializer_list<MessageAnswer> answers) {
    answers_.insert(answers_.end(), answers.begin(), answers.end());
}

}  // namespace platform
