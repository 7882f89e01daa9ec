// The file SaveSettings writes: a platform::ReplacementFile beside AppSetup.dat,
// renamed over it only when every byte has been written, so a failure at any
// point leaves the previous file as it was.
#pragma once

#include <memory>
#include <string>

#include "platform/replacement_file.h"

class SettingsOutput {
  public:
    // Creates the temporary file beside `target`. False when it cannot be
    // created or the target may not be modified.
    bool Create(const std::string& target);

    // Writes text with every line feed stored as CR LF, whatever the platform:
    // the format is a Windows text file. A failed write is remembered.
    void Write(const std::string& text);

    // Renames the temporary file over the target. False, with the temporary
    // file removed and the target untouched, when any write failed.
    bool Commit();

  private:
    std::unique_ptr<platform::ReplacementFile> file_;  // an output never committed is removed
    bool failed_ = false;
};
