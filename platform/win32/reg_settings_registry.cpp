// CRegSettings on the Windows registry, below HKEY_CURRENT_USER. Names and
// texts are in the ANSI code page, as everything else of the Windows editor;
// the wide registry calls take them converted.
#include <cstring>

#include "platform/reg_settings.h"
#include "platform/win32/win32_text.h"
#include "platform/win32/win32_api.h"

namespace {

class Key {
  public:
    ~Key() {
        if (key_) RegCloseKey(key_);
    }
    // Opens, or with `create` creates, `path` below HKEY_CURRENT_USER.
    bool Open(const std::string& path, bool write, bool create) {
        const std::wstring wide = win32_text::Wide(path);
        const REGSAM access = write ? KEY_READ | KEY_WRITE : KEY_READ;
        if (create)
            return RegCreateKeyExW(HKEY_CURRENT_USER, wide.c_str(), 0, nullptr,
                                   REG_OPTION_NON_VOLATILE, access, nullptr, &key_,
                                   nullptr) == ERROR_SUCCESS;
        return RegOpenKeyExW(HKEY_CURRENT_USER, wide.c_str(), 0, access, &key_) == ERROR_SUCCESS;
    }
    HKEY get() const { return key_; }

  private:
    HKEY key_ = nullptr;
};

// The data of a value with its type: ERROR_SUCCESS, or why not (missing, a
// deleted key, larger than any store of ours: ERROR_MORE_DATA). One call for a
// value that fits the first buffer.
LONG Query(HKEY key, const std::string& name, DWORD* type, std::vector<std::uint8_t>* data) {
    const std::wstring wide = win32_text::Wide(name);
    DWORD size = 1024;
    data->assign(size, 0);
    LONG result = RegQueryValueExW(key, wide.c_str(), nullptr, type, data->data(), &size);
    if (result == ERROR_MORE_DATA && size <= CRegSettings::MAX_STORE_BYTES) {
        data->assign(size, 0);
        result = RegQueryValueExW(key, wide.c_str(), nullptr, type, data->data(), &size);
    }
    if (result == ERROR_SUCCESS) data->resize(size);
    return result;
}

using KeyCache = std::map<std::string, std::shared_ptr<void>>;

// A value read through its section's kept key. The key is opened afresh only
// when there is none yet (the section may have been made since) or the kept one
// was deleted (and perhaps made again, by this program or another); a value
// merely missing costs one query.
bool QueryKept(KeyCache& keys, const std::string& path, const std::string& name, DWORD* type,
               std::vector<std::uint8_t>* data) {
    std::shared_ptr<void>& kept = keys[path];
    if (kept) {
        const LONG result = Query(HKEY(kept.get()), name, type, data);
        if (result != ERROR_KEY_DELETED) return result == ERROR_SUCCESS;
        kept.reset();
    }
    HKEY key = nullptr;
    if (RegOpenKeyExW(HKEY_CURRENT_USER, win32_text::Wide(path).c_str(), 0, KEY_READ, &key) !=
        ERROR_SUCCESS)
        return false;
    kept = std::shared_ptr<void>(key, [](void* k) { RegCloseKey(HKEY(k)); });
    return Query(key, name, type, data) == ERROR_SUCCESS;
}

bool StoreValue(HKEY key, const std::string& name, DWORD type, const void* data, std::size_t size) {
    return RegSetValueExW(key, win32_text::Wide(name).c_str(), 0, type,
                          static_cast<const BYTE*>(data), DWORD(size)) == ERROR_SUCCESS;
}

bool IntOf(const std::vector<std::uint8_t>& data, std::uint32_t* value) {
    if (data.size() > 4) return false;  // data that fits in 4 bytes is the number
    std::uint8_t bytes[4] = {};
    std::memcpy(bytes, data.data(), data.size());
    *value = std::uint32_t(bytes[0]) | std::uint32_t(bytes[1]) << 8 |
             std::uint32_t(bytes[2]) << 16 | std::uint32_t(bytes[3]) << 24;
    return true;
}

bool TextOf(DWORD type, const std::vector<std::uint8_t>& data, std::string* text) {
    if (type != REG_SZ) return false;
    std::wstring wide(data.size() / 2, L'\0');
    std::memcpy(wide.data(), data.data(), wide.size() * 2);
    wide.resize(std::wcslen(wide.c_str()));
    *text = win32_text::Ansi(wide);
    return true;
}

bool SetText(HKEY key, const std::string& name, const std::string& text) {
    const std::wstring wide = win32_text::Wide(text);
    return StoreValue(key, name, REG_SZ, wide.c_str(), (wide.size() + 1) * 2);
}

}  // namespace

CRegSettings::CRegSettings(const std::string& baseKey, const std::string& storeFile)
    : Valid(!baseKey.empty()), BaseKey(baseKey), StoreFile(storeFile) {}

namespace {

std::string KeyPath(const CRegSettings& s, const std::string& section) {
    if (section.empty()) return s.BaseKey;
    if (!s.BaseKey.empty() && s.BaseKey.back() == '\\') return s.BaseKey + section;
    return s.BaseKey + "\\" + section;
}

}  // namespace

std::uint32_t CRegSettings::GetInt(const std::string& section, const std::string& name,
                                   std::uint32_t defaultValue) {
    if (!Valid) return defaultValue;
    std::uint32_t value = 0;
    if (ReadInt(section, name, &value)) return value;
    Key key;
    if (!key.Open(KeyPath(*this, section), true, true)) return defaultValue;
    StoreValue(key.get(), name, REG_DWORD, &defaultValue, 4);
    return defaultValue;
}

std::string CRegSettings::GetString(const std::string& section, const std::string& name,
                                    const std::string& defaultText) {
    if (!Valid) return defaultText;
    {
        DWORD type = 0;
        std::vector<std::uint8_t> data;
        std::string text;
        if (QueryKept(readKeys_, KeyPath(*this, section), name, &type, &data) &&
            TextOf(type, data, &text))
            return text.substr(0, MAX_TEXT);  // as much as a registry text buffer holds
    }
    Key key;
    const std::string stored = defaultText.substr(0, MAX_TEXT);
    if (key.Open(KeyPath(*this, section), true, true)) SetText(key.get(), name, stored);
    return stored;
}

std::vector<std::uint8_t> CRegSettings::GetBlock(const std::string& section,
                                                 const std::string& name,
                                                 const std::vector<std::uint8_t>& defaultBytes) {
    if (!Valid) return defaultBytes;
    std::vector<std::uint8_t> bytes;
    if (ReadBlock(section, name, defaultBytes.size(), &bytes)) return bytes;
    Key key;
    if (key.Open(KeyPath(*this, section), true, true))
        StoreValue(key.get(), name, REG_BINARY, defaultBytes.data(), defaultBytes.size());
    return defaultBytes;
}

bool CRegSettings::SetInt(const std::string& section, const std::string& name,
                          std::uint32_t value) {
    Key key;
    return Valid && key.Open(KeyPath(*this, section), true, true) &&
           StoreValue(key.get(), name, REG_DWORD, &value, 4);
}

bool CRegSettings::SetString(const std::string& section, const std::string& name,
                             const std::string& text) {
    Key key;
    return Valid && text.size() <= MAX_TEXT && key.Open(KeyPath(*this, section), true, true) &&
           SetText(key.get(), name, text);
}

bool CRegSettings::SetBlock(const std::string& section, const std::string& name,
                            const std::vector<std::uint8_t>& bytes) {
    Key key;
    return Valid && key.Open(KeyPath(*this, section), true, true) &&
           StoreValue(key.get(), name, REG_BINARY, bytes.data(), bytes.size());
}

bool CRegSettings::ReadInt(const std::string& section, const std::string& name,
                           std::uint32_t* value) {
    DWORD type = 0;
    std::vector<std::uint8_t> data;
    return Valid && QueryKept(readKeys_, KeyPath(*this, section), name, &type, &data) &&
           IntOf(data, value);
}

bool CRegSettings::ReadString(const std::string& section, const std::string& name,
                              std::string* text) {
    text->clear();
    DWORD type = 0;
    std::vector<std::uint8_t> data;
    if (!Valid || !QueryKept(readKeys_, KeyPath(*this, section), name, &type, &data) ||
        !TextOf(type, data, text))
        return false;
    if (text->size() <= MAX_TEXT) return true;
    text->clear();
    return false;
}

bool CRegSettings::ReadBlock(const std::string& section, const std::string& name, std::size_t size,
                             std::vector<std::uint8_t>* bytes) {
    DWORD type = 0;
    std::vector<std::uint8_t> data;
    if (!Valid || !QueryKept(readKeys_, KeyPath(*this, section), name, &type, &data) ||
        data.size() != size)
        return false;
    *bytes = data;
    return true;
}

bool CRegSettings::UpdateInt(const std::string& section, const std::string& name,
                             std::uint32_t value) {
    Key key;
    return Valid && key.Open(KeyPath(*this, section), true, false) &&
           StoreValue(key.get(), name, REG_DWORD, &value, 4);
}

bool CRegSettings::UpdateString(const std::string& section, const std::string& name,
                                const std::string& text) {
    Key key;
    return Valid && text.size() <= MAX_TEXT && key.Open(KeyPath(*this, section), true, false) &&
           SetText(key.get(), name, text);
}

bool CRegSettings::UpdateBlock(const std::string& section, const std::string& name,
                               const std::vector<std::uint8_t>& bytes) {
    Key key;
    return Valid && key.Open(KeyPath(*this, section), true, false) &&
           StoreValue(key.get(), name, REG_BINARY, bytes.data(), bytes.size());
}

bool CRegSettings::KeyExists(const std::string& section) {
    Key key;
    return Valid && key.Open(KeyPath(*this, section), false, false);
}

bool CRegSettings::DeleteValue(const std::string& name) {
    Key key;
    return Valid && key.Open(BaseKey, true, false) &&
           RegDeleteValueW(key.get(), win32_text::Wide(name).c_str()) == ERROR_SUCCESS;
}

// A section goes with the sections below it, as on Linux.
bool CRegSettings::DeleteKey(const std::string& section) {
    Key key;
    return Valid && !section.empty() && key.Open(BaseKey, true, false) &&
           RegDeleteTreeW(key.get(), win32_text::Wide(section).c_str()) == ERROR_SUCCESS;
}
