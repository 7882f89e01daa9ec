#include "platform/reg_settings.h"

#include <fcntl.h>
#include <stdlib.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <iterator>
#include <memory>
#include <sstream>

#include "platform/posix/regular_file.h"
#include "platform/replacement_file.h"

namespace fs = std::filesystem;

namespace {

// Store lines: "[section]", then "d name=number", "s name=text", "b name=hex".
// Names and texts escape control bytes and the syntax characters as %XX.
std::string Escape(const std::string& text) {
    static const char kHex[] = "0123456789ABCDEF";
    std::string out;
    for (unsigned char c : text) {
        if (c < 0x20 || c == 0x7F || c == '%' || c == '=' || c == '[' || c == ']') {
            out += '%';
            out += kHex[c >> 4];
            out += kHex[c & 15];
        } else {
            out += char(c);
        }
    }
    return out;
}

int HexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return -1;
}

bool Unescape(const std::string& text, std::string* out) {
    out->clear();
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '%') {
            *out += text[i];
            continue;
        }
        if (i + 2 >= text.size()) return false;
        const int hi = HexDigit(text[i + 1]), lo = HexDigit(text[i + 2]);
        if (hi < 0 || lo < 0) return false;
        *out += char(hi * 16 + lo);
        i += 2;
    }
    return true;
}

bool FromHex(const std::string& text, std::string* out) {
    if (text.size() % 2) return false;
    out->clear();
    for (std::size_t i = 0; i < text.size(); i += 2) {
        const int hi = HexDigit(text[i]), lo = HexDigit(text[i + 1]);
        if (hi < 0 || lo < 0) return false;
        *out += char(hi * 16 + lo);
    }
    return true;
}

std::string ToHex(const std::string& bytes) {
    static const char kHex[] = "0123456789abcdef";
    std::string out;
    for (unsigned char c : bytes) {
        out += kHex[c >> 4];
        out += kHex[c & 15];
    }
    return out;
}

std::string DwordBytes(std::uint32_t v) {
    std::string b(4, '\0');
    for (int i = 0; i < 4; ++i) b[i] = char((v >> (8 * i)) & 0xFF);
    return b;
}

std::uint32_t DwordOf(const std::string& b) {
    std::uint32_t v = 0;
    for (int i = 0; i < 4; ++i) v |= std::uint32_t(static_cast<unsigned char>(b[i])) << (8 * i);
    return v;
}

enum class StoreText { Read, Missing, TooLarge };

// Only a regular file is read, opened without blocking (a FIFO or a device in
// its place is no store), and only up to the limit.
StoreText ReadStoreText(const std::string& path, std::string* text) {
    std::unique_ptr<std::FILE, int (*)(std::FILE*)> file(platform::posix::OpenRegularFile(path),
                                                          std::fclose);
    if (!file) return StoreText::Missing;
    text->resize(CRegSettings::MAX_STORE_BYTES + 1);
    const std::size_t got = std::fread(text->data(), 1, text->size(), file.get());
    text->resize(got);
    return got > CRegSettings::MAX_STORE_BYTES ? StoreText::TooLarge : StoreText::Read;
}

// A store we cannot use is renamed out of the way, never over another one, so
// that the defaults written next do not destroy what the user had.
void KeepAside(const std::string& path) {
    for (int n = 1; n <= 100; ++n) {
        const std::string aside = path + ".damaged" + (n == 1 ? "" : "." + std::to_string(n));
        if (::renameat2(AT_FDCWD, path.c_str(), AT_FDCWD, aside.c_str(), RENAME_NOREPLACE) == 0 ||
            errno != EEXIST)
            return;
    }
}

}  // namespace

CRegSettings::CRegSettings(const std::string& baseKey, const std::string& storeFile)
    : Valid(!baseKey.empty() || !storeFile.empty()), BaseKey(baseKey), StoreFile(storeFile) {}

CRegSettings::Store CRegSettings::Load() const {
    std::string text;
    const StoreText read = ReadStoreText(StoreFile, &text);
    if (read == StoreText::Missing) return {};
    Store store;
    if (read == StoreText::TooLarge || !Parse(text, &store)) {
        KeepAside(StoreFile);
        return {};
    }
    return store;
}

// False at the first line that is not the store's syntax.
bool CRegSettings::Parse(const std::string& content, Store* result) {
    Store& store = *result;
    std::istringstream in(content);
    std::string line;
    Section* current = nullptr;
    while (std::getline(in, line)) {
        // A store edited on Windows ends its lines with CR LF; a CR of a text is escaped.
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (line.empty() || line[0] == '#') continue;
        std::string name, text;
        if (line.front() == '[' && line.back() == ']') {
            if (!Unescape(line.substr(1, line.size() - 2), &name)) return false;
            current = &store[name];
            continue;
        }
        const std::size_t eq = line.find('=');
        if (!current || line.size() < 3 || line[1] != ' ' || eq == std::string::npos ||
            !Unescape(line.substr(2, eq - 2), &name))
            return false;
        const std::string rest = line.substr(eq + 1);
        Value value;
        switch (line[0]) {
            case 'd': {
                char* end = nullptr;
                const unsigned long long n = std::strtoull(rest.c_str(), &end, 10);
                if (rest.empty() || *end || n > 0xFFFFFFFFull) return false;
                value.type = Type::Dword;
                value.data = DwordBytes(std::uint32_t(n));
                break;
            }
            case 's':
                if (!Unescape(rest, &text)) return false;
                value.type = Type::Text;
                value.data = text;
                break;
            case 'b':
                if (!FromHex(rest, &text)) return false;
                value.type = Type::Binary;
                value.data = text;
                break;
            default:
                return false;
        }
        (*current)[name] = value;
    }
    return true;
}

bool CRegSettings::Save(const Store& store) const {
    if (StoreFile.empty()) return false;
    std::ostringstream out;
    out << "# VelomarForge settings (" << Escape(BaseKey) << ")\n";
    for (const auto& [section, values] : store) {
        out << '[' << Escape(section) << "]\n";
        for (const auto& [name, value] : values) {
            switch (value.type) {
                case Type::Dword:
                    out << "d " << Escape(name) << '=' << DwordOf(value.data) << '\n';
                    break;
                case Type::Text:
                    out << "s " << Escape(name) << '=' << Escape(value.data) << '\n';
                    break;
                case Type::Binary:
                    out << "b " << Escape(name) << '=' << ToHex(value.data) << '\n';
                    break;
            }
        }
    }
    // The safe write: after a crash the old or the new store is there, never half of one.
    const fs::path target(StoreFile);
    std::error_code ec;
    if (target.has_parent_path()) fs::create_directories(target.parent_path(), ec);
    return platform::WriteWholeFile(StoreFile, out.str());
}

bool CRegSettings::Read(const std::string& section, const std::string& name, Value* value) const {
    if (!Valid) return false;
    const Store store = Load();
    const auto s = store.find(section);
    if (s == store.end()) return false;
    const auto v = s->second.find(name);
    if (v == s->second.end()) return false;
    *value = v->second;
    return true;
}

bool CRegSettings::Put(const std::string& section, const std::string& name, const Value& value,
                       bool create) {
    if (!Valid) return false;
    Store store = Load();
    if (!create && !store.count(section)) return false;
    // What is stored already is not written again: every write syncs the disk,
    // and the editor stores its whole recent list at each open.
    const auto s = store.find(section);
    if (s != store.end()) {
        const auto v = s->second.find(name);
        if (v != s->second.end() && v->second.type == value.type && v->second.data == value.data)
            return true;
    }
    store[section][name] = value;
    return Save(store);
}

bool CRegSettings::GetOrStore(const std::string& section, const std::string& name, Value* value,
                              const Value& defaultValue, bool (*fits)(const Value&)) {
    if (Read(section, name, value) && fits(*value)) return true;
    *value = defaultValue;
    Put(section, name, defaultValue, true);
    return false;
}

std::uint32_t CRegSettings::GetInt(const std::string& section, const std::string& name,
                                   std::uint32_t defaultValue) {
    if (!Valid) return defaultValue;
    Value value;
    // Any data of at most 4 bytes is taken as the number, whatever its type.
    GetOrStore(section, name, &value, Value{Type::Dword, DwordBytes(defaultValue)},
               [](const Value& v) { return v.data.size() <= 4; });
    std::string bytes = value.data;
    bytes.resize(4, '\0');
    return DwordOf(bytes);
}

std::string CRegSettings::GetString(const std::string& section, const std::string& name,
                                    const std::string& defaultText) {
    if (!Valid) return defaultText;
    Value value;
    GetOrStore(section, name, &value, Value{Type::Text, defaultText.substr(0, MAX_TEXT)},
               [](const Value& v) { return v.type == Type::Text; });
    return value.data.substr(0, MAX_TEXT);
}

std::vector<std::uint8_t> CRegSettings::GetBlock(const std::string& section,
                                                 const std::string& name,
                                                 const std::vector<std::uint8_t>& defaultBytes) {
    if (!Valid) return defaultBytes;
    const std::string def(defaultBytes.begin(), defaultBytes.end());
    Value value;
    // The caller asks for a block of one size: any other size counts as missing.
    if (!Read(section, name, &value) || value.data.size() != def.size()) {
        value = Value{Type::Binary, def};
        Put(section, name, value, true);
    }
    return std::vector<std::uint8_t>(value.data.begin(), value.data.end());
}

bool CRegSettings::SetInt(const std::string& section, const std::string& name,
                          std::uint32_t value) {
    return Put(section, name, Value{Type::Dword, DwordBytes(value)}, true);
}

bool CRegSettings::SetString(const std::string& section, const std::string& name,
                             const std::string& text) {
    if (text.size() > MAX_TEXT) return false;
    return Put(section, name, Value{Type::Text, text}, true);
}

bool CRegSettings::SetBlock(const std::string& section, const std::string& name,
                            const std::vector<std::uint8_t>& bytes) {
    return Put(section, name, Value{Type::Binary, std::string(bytes.begin(), bytes.end())}, true);
}

bool CRegSettings::ReadInt(const std::string& section, const std::string& name,
                           std::uint32_t* result) {
    Value value;
    if (!Read(section, name, &value) || value.data.size() > 4) return false;
    std::string bytes = value.data;
    bytes.resize(4, '\0');
    *result = DwordOf(bytes);
    return true;
}

bool CRegSettings::ReadString(const std::string& section, const std::string& name,
                              std::string* text) {
    text->clear();
    Value value;
    if (!Read(section, name, &value) || value.type != Type::Text || value.data.size() > MAX_TEXT)
        return false;
    *text = value.data;
    return true;
}

bool CRegSettings::ReadBlock(const std::string& section, const std::string& name, std::size_t size,
                             std::vector<std::uint8_t>* bytes) {
    Value value;
    if (!Read(section, name, &value) || value.data.size() != size) return false;
    bytes->assign(value.data.begin(), value.data.end());
    return true;
}

bool CRegSettings::UpdateInt(const std::string& section, const std::string& name,
                             std::uint32_t value) {
    return Put(section, name, Value{Type::Dword, DwordBytes(value)}, false);
}

bool CRegSettings::UpdateString(const std::string& section, const std::string& name,
                                const std::string& text) {
    if (text.size() > MAX_TEXT) return false;
    return Put(section, name, Value{Type::Text, text}, false);
}

bool CRegSettings::UpdateBlock(const std::string& section, const std::string& name,
                               const std::vector<std::uint8_t>& bytes) {
    return Put(section, name, Value{Type::Binary, std::string(bytes.begin(), bytes.end())}, false);
}

bool CRegSettings::KeyExists(const std::string& section) {
    return Valid && Load().count(section) > 0;
}

bool CRegSettings::DeleteValue(const std::string& name) {
    if (!Valid) return false;
    Store store = Load();
    auto base = store.find("");
    if (base == store.end() || !base->second.erase(name)) return false;
    return Save(store);
}

bool CRegSettings::DeleteKey(const std::string& section) {
    if (!Valid || section.empty()) return false;
    Store store = Load();
    bool found = false;
    for (auto it = store.begin(); it != store.end();) {
        const bool below = it->first.compare(0, section.size() + 1, section + "\\") == 0;
        if (it->first == section || below) {
            it = store.erase(it);
            found = true;
        } else {
            ++it;
        }
    }
    return found && Save(store);
}

std::string RegSettingsFile(const std::string& configDir, const std::string& baseKey) {
    // "Software\\" says nothing on Linux; the rest names the folders and the file.
    std::string key = baseKey;
    const std::string software = "Software\\";
    if (key.compare(0, software.size(), software) == 0) key.erase(0, software.size());
    while (!key.empty() && key.back() == '\\') key.pop_back();
    std::string path = configDir;
    if (!path.empty() && path.back() != '/') path += '/';
    for (char c : key) path += c == '\\' ? '/' : c;
    return path + ".conf";
}

std::string UserConfigFolder() {
    if (const char* xdg = std::getenv("XDG_CONFIG_HOME"); xdg && *xdg == '/') return xdg;
    if (const char* home = std::getenv("HOME"); home && *home)
        return std::string(home) + "/.config";
    return ".config";
}
