#include "settings_support.h"

#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "platform/platform.h"

namespace settings_test {

std::string FixturePath(const std::string& name) {
    return std::string(VELOMAR_SOURCE_DIR) + "/tests/unit/fixtures/" + name;
}

std::string ReadBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

void WriteBytes(const std::string& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << bytes;
}

TempFolder::TempFolder() {
    char pattern[] = "/tmp/velomar_settings.XXXXXX";
    if (mkdtemp(pattern)) path_ = std::string(pattern) + "/";
}

TempFolder::~TempFolder() {
    std::error_code ec;
    if (!path_.empty()) std::filesystem::remove_all(path_, ec);
}

SettingsTest::SettingsTest() {
    platform::Platform p;
    p.services = &services;
    p.system = &system;
    platform::Install(p);
}

SettingsTest::~SettingsTest() { platform::Install(platform::Platform{}); }

void SettingsTest::UseFixture(const std::string& name) {
    const std::string bytes = ReadBytes(FixturePath(name));
    ASSERT_FALSE(bytes.empty()) << "missing fixture " << name;
    WriteBytes(folder.File("AppSetup.dat"), bytes);
}

std::unique_ptr<CInstallerWnd> SettingsTest::NewProject() const {
    return std::make_unique<CInstallerWnd>(folder.Path());
}

}  // namespace settings_test
