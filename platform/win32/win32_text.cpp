#include "platform/win32/win32_text.h"

#include "platform/win32/win32_api.h"

namespace win32_text {

std::wstring Wide(const std::string& ansi) {
    if (ansi.empty()) return std::wstring();
    const int n = MultiByteToWideChar(CP_ACP, 0, ansi.data(), int(ansi.size()), nullptr, 0);
    std::wstring wide(std::size_t(n > 0 ? n : 0), L'\0');
    if (n > 0) MultiByteToWideChar(CP_ACP, 0, ansi.data(), int(ansi.size()), wide.data(), n);
    return wide;
}

std::string Ansi(const std::wstring& wide) {
    std::string ansi;
    ToAnsi(wide, &ansi);
    return ansi;
}

bool ToAnsi(const std::wstring& wide, std::string* ansi) {
    ansi->clear();
    if (wide.empty()) return true;
    BOOL lossy = FALSE;
    const int n = WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, wide.data(), int(wide.size()),
                                      nullptr, 0, nullptr, &lossy);
    if (n <= 0) return false;
    ansi->assign(std::size_t(n), '\0');
    WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, wide.data(), int(wide.size()), ansi->data(),
                        n, nullptr, &lossy);
    return !lossy;
}

}  // namespace win32_text
