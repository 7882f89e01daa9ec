// Shared by the settings tests: a real project folder in /tmp, the fixture
// files, and a platform of recording services over the real POSIX system with
// the language name fixed (so the machine's locale does not matter).
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "engine/installer_wnd.h"
#include "platform/headless/fixed_language_system.h"
#include "platform/headless/recording_services.h"
#include "platform/posix/posix_system.h"

namespace settings_test {

std::string FixturePath(const std::string& name);
std::string ReadBytes(const std::string& path);
void WriteBytes(const std::string& path, const std::string& bytes);

// A fresh folder, removed with everything in it at the end.
class TempFolder {
  public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;
    const std::string& Path() const { return path_; }  // ends in '/'
    std::string File(const std::string& name) const { return path_ + name; }

  private:
    std::string path_;
};

class SettingsTest : public ::testing::Test {
  protected:
    SettingsTest();
    ~SettingsTest() override;

    // Puts a fixture in the folder as AppSetup.dat.
    void UseFixture(const std::string& name);
    std::unique_ptr<CInstallerWnd> NewProject() const;
    std::string SettingsBytes() const { return ReadBytes(folder.File("AppSetup.dat")); }

    platform::RecordingServices services;
    platform::PosixSystem posix;
    platform::FixedLanguageSystem system{&posix, "English"};
    TempFolder folder;
};

}  // namespace settings_test
