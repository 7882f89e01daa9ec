#include "editor/win32/about_dlg.h"

#include <vector>

#include "editor/win32/resource.h"

CAboutDlg::CAboutDlg() : CDialog(IDD_ABOUTBOX), Version(VersionText()) {}

void CAboutDlg::OnInitDialog() { SetText(IDC_VERSION_TEXT, Version); }

std::string VersionText() {
    std::string text = "Software Version - Unknown";
    char path[MAX_PATH] = {};
    const DWORD n = GetModuleFileNameA(nullptr, path, MAX_PATH);
    if (n == 0 || n >= MAX_PATH) return text;
    DWORD handle = 0;
    const DWORD size = GetFileVersionInfoSizeA(path, &handle);
    if (size == 0) return text;
    std::vector<char> block(size);
    if (!GetFileVersionInfoA(path, 0, size, block.data())) return text;
    char* value = nullptr;
    UINT length = 0;
    if (VerQueryValueA(block.data(), "\\StringFileInfo\\040904b0\\FileVersion",
                       reinterpret_cast<void**>(&value), &length) &&
        value && length > 0)
        text = "Software Version - " + std::string(value, strnlen(value, length));
    return text;
}
