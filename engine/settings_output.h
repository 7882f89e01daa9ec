// The file SaveSettings writes: a fresh temporary file beside AppSetup.dat that is
// renamed over it only when every byte has been written, so a failure at any
// point leaves the previous file as it was.
#pragma once

#include <cstdio>
#include <string>

class SettingsOutput {
  public:
    SettingsOutput() = default;
    ~SettingsOutput();  // an output never committed is removed
    SettingsOutput(const SettingsOutput&) = delete;
    SettingsOutput& operator=(const SettingsOutput&) = delete;

    // Creates a new temporary file beside `target` (see System::CreateReplacement).
    // False when it cannot be created or the target may not be modified.
    bool Create(const std::string& target);

    // Writes text with every line feed stored as CR LF, whatever the platform:
    // the format is a Windows text file. A failed write is remembered.
    void Write(const std::string& text);

    // Flushes, closes and renames the temporary file over the target. False, with
    // the temporary file removed and the target untouched, when any write failed.
    bool Commit();

  private:
    void Discard();

    std::FILE* file_ = nullptr;
    std::string target_;
    std::string temp_;
    bool failed_ = false;
};
