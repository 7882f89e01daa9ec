// Texts between the editor (single-byte, in the system's ANSI code page, as
// AppSetup.dat and the runtime keep them) and the wide Win32 calls.
#pragma once

#include <string>

namespace win32_text {

std::wstring Wide(const std::string& ansi);
std::string Ansi(const std::wstring& wide);
// False when the code page cannot hold every character of `wide`.
bool ToAnsi(const std::wstring& wide, std::string* ansi);

}  // namespace win32_text
