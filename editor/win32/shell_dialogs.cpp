#include "editor/win32/shell_dialogs.h"

#include "platform/platform.h"
#include "platform/win32/apartment.h"
#include "platform/win32/win32_text.h"

bool AcceptName(const std::wstring& wide, std::string* ansi) {
    if (win32_text::ToAnsi(wide, ansi)) return true;
    platform::Current().services->ShowMessage(
        "This text cannot be stored in the project:\n\n" + win32_text::Ansi(wide) +
            "\n\nIt holds characters that the system's code page cannot hold, and Velomar keeps "
            "names and texts in that code page. Please use other characters.",
        platform::MessageButtons::Ok);
    return false;
}

std::wstring WindowText(HWND window) {
    const int length = GetWindowTextLengthW(window);
    std::wstring text(std::size_t(length) + 1, L'\0');
    text.resize(std::size_t(GetWindowTextW(window, text.data(), length + 1)));
    return text;
}

namespace {

// The common dialogs and the shell, with the DLLs each brings (printing; the
// shell's helpers), load when first needed, not at the editor's start.
HMODULE CommonDialogsDll() {
    static const HMODULE dll = LoadLibraryA("comdlg32.dll");
    return dll;
}

HMODULE ShellDll() {
    static const HMODULE dll = LoadLibraryA("shell32.dll");
    return dll;
}

template <class Fn>
Fn Entry(HMODULE dll, const char* name) {
    return dll ? reinterpret_cast<Fn>(reinterpret_cast<void*>(GetProcAddress(dll, name))) : nullptr;
}

int CALLBACK SelectStart(HWND browser, UINT message, LPARAM, LPARAM start) {
    if (message == BFFM_INITIALIZED && start)
        SendMessageW(browser, BFFM_SETSELECTIONW, TRUE, start);
    return 0;
}

}  // namespace

bool BrowseForFolder(HWND owner, const char* title, std::string* folder, const std::string& start) {
    const std::wstring wideTitle = win32_text::Wide(title);
    const std::wstring wideStart = win32_text::Wide(start);
    const UINT flags = BIF_RETURNONLYFSDIRS | BIF_RETURNFSANCESTORS | BIF_NEWDIALOGSTYLE;
    const LPARAM first = start.empty() ? 0 : LPARAM(wideStart.c_str());
    platform::win32::JoinApartment();  // the new-style browser is made of COM objects
    BROWSEINFOW info = {owner, nullptr, nullptr, wideTitle.c_str(), flags, SelectStart, first, 0};
    const auto browse =
        Entry<PIDLIST_ABSOLUTE(WINAPI*)(BROWSEINFOW*)>(ShellDll(), "SHBrowseForFolderW");
    const auto pathOf =
        Entry<BOOL(WINAPI*)(PCIDLIST_ABSOLUTE, LPWSTR)>(ShellDll(), "SHGetPathFromIDListW");
    PIDLIST_ABSOLUTE chosen = browse && pathOf ? browse(&info) : nullptr;
    if (!chosen) return false;
    wchar_t path[MAX_PATH] = {};
    const bool got = pathOf(chosen, path);
    CoTaskMemFree(chosen);
    return got && AcceptName(path, folder);
}

bool OpenFileDialog(HWND owner, const std::string& filterText, const std::string& initialName,
                    std::string* path) {
    // "name|pattern" becomes "name\0pattern\0\0".
    std::wstring filter = win32_text::Wide(filterText);
    for (wchar_t& c : filter)
        if (c == L'|') c = L'\0';
    filter += L'\0';
    wchar_t file[32768] = {};
    const std::wstring initial = win32_text::Wide(initialName).substr(0, 260);
    initial.copy(file, initial.size());
    OPENFILENAMEW ofn = {};
    ofn.lStructSize = sizeof(ofn);
    ofn.hwndOwner = owner;
    ofn.lpstrFilter = filter.c_str();
    ofn.lpstrFile = file;
    ofn.nMaxFile = DWORD(sizeof(file) / sizeof(file[0]));
    ofn.Flags =
        OFN_EXPLORER | OFN_HIDEREADONLY | OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST | OFN_ENABLESIZING;
    const auto open = Entry<BOOL(WINAPI*)(OPENFILENAMEW*)>(CommonDialogsDll(), "GetOpenFileNameW");
    platform::win32::JoinApartment();  // the Explorer-style dialog hosts shell views
    if (!open || !open(&ofn)) return false;
    return AcceptName(file, path);
}

bool ChooseColourDialog(CHOOSECOLORW* choice) {
    const auto choose = Entry<BOOL(WINAPI*)(CHOOSECOLORW*)>(CommonDialogsDll(), "ChooseColorW");
    return choose && choose(choice);
}

std::string DocumentsFolder() {
    const auto find =
        Entry<HRESULT(WINAPI*)(HWND, int, HANDLE, DWORD, LPWSTR)>(ShellDll(), "SHGetFolderPathW");
    wchar_t path[MAX_PATH] = {};
    std::string folder;
    if (!find || find(nullptr, CSIDL_PERSONAL, nullptr, SHGFP_TYPE_CURRENT, path) != S_OK ||
        !AcceptName(path, &folder))
        return std::string();
    return folder;
}

bool ShellOpen(HWND owner, const std::string& program, const std::string& parameters) {
    const auto execute = Entry<HINSTANCE(WINAPI*)(HWND, LPCSTR, LPCSTR, LPCSTR, LPCSTR, INT)>(
        ShellDll(), "ShellExecuteA");
    // Above 32 is started; 32 itself is a library the program needs not found.
    return execute && INT_PTR(execute(owner, "open", program.c_str(), parameters.c_str(), nullptr,
                                      SW_SHOWNORMAL)) > 32;
}
