// CRegSettings: named values below one base key, kept the way the registry
// keeps them (sections, 32-bit numbers, texts, byte blocks). On Linux the store
// is one per-user file; every write is on disk, atomically, when the call
// returns, and a store that cannot be read or parsed counts as empty (a damaged
// one is kept aside first, see Load).
#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <vector>

class CRegSettings {
  public:
    // storeFile: the file that holds every key below baseKey. With neither a
    // base key nor a file the object is inert: readers return their default,
    // everything else fails.
    CRegSettings(const std::string& baseKey, const std::string& storeFile);
    ~CRegSettings() { Valid = false; }

    // Read; a missing value is stored with the default, which is returned.
    std::uint32_t GetInt(const std::string& section, const std::string& name,
                         std::uint32_t defaultValue);
    std::string GetString(const std::string& section, const std::string& name,
                          const std::string& defaultText);
    std::vector<std::uint8_t> GetBlock(const std::string& section, const std::string& name,
                                       const std::vector<std::uint8_t>& defaultBytes);

    // Create the section when needed and store.
    bool SetInt(const std::string& section, const std::string& name, std::uint32_t value);
    bool SetString(const std::string& section, const std::string& name, const std::string& text);
    bool SetBlock(const std::string& section, const std::string& name,
                  const std::vector<std::uint8_t>& bytes);

    // Read without default; nothing is created. A text longer than MAX_TEXT
    // is not read, as a registry text buffer would not hold it.
    bool ReadInt(const std::string& section, const std::string& name, std::uint32_t* value);
    bool ReadString(const std::string& section, const std::string& name, std::string* text);
    // The stored block must have exactly `size` bytes.
    bool ReadBlock(const std::string& section, const std::string& name, std::size_t size,
                   std::vector<std::uint8_t>* bytes);

    // Store only into a section that exists.
    bool UpdateInt(const std::string& section, const std::string& name, std::uint32_t value);
    bool UpdateString(const std::string& section, const std::string& name, const std::string& text);
    bool UpdateBlock(const std::string& section, const std::string& name,
                     const std::vector<std::uint8_t>& bytes);

    bool KeyExists(const std::string& section);
    // A value directly below the base key.
    bool DeleteValue(const std::string& name);
    // A section with its values and the sections below it.
    bool DeleteKey(const std::string& section);

    bool Valid = false;
    std::string BaseKey;
    std::string StoreFile;

    // Texts are kept up to 259 characters, as a registry text buffer holds.
    static constexpr std::size_t MAX_TEXT = 259;
    // The editor's store is a few hundred bytes; one far larger is not ours.
    static constexpr std::size_t MAX_STORE_BYTES = 256 * 1024;

  private:
    // Windows: each section's key, opened for reading at its first read and
    // kept open while the object lives (a start reads dozens of values).
    std::map<std::string, std::shared_ptr<void>> readKeys_;

    enum class Type { Dword, Text, Binary };
    struct Value {
        Type type = Type::Dword;
        std::string data;  // little-endian 4 bytes for Dword
    };
    using Section = std::map<std::string, Value>;
    using Store = std::map<std::string, Section>;

    // A store that is too large or cannot be parsed is renamed to
    // StoreFile + ".damaged" (".damaged.2", ... when that exists) and counts as
    // empty; anything but a regular file counts as empty unread.
    Store Load() const;
    static bool Parse(const std::string& content, Store* store);
    bool Save(const Store& store) const;
    bool Read(const std::string& section, const std::string& name, Value* value) const;
    bool Put(const std::string& section, const std::string& name, const Value& value, bool create);
    bool GetOrStore(const std::string& section, const std::string& name, Value* value,
                    const Value& defaultValue, bool (*fits)(const Value&));
};

// The per-user file of a base key: "Software\\Harlune\\VelomarForge\\" in
// configDir becomes configDir/Harlune/VelomarForge.conf.
std::string RegSettingsFile(const std::string& configDir, const std::string& baseKey);

// The user's configuration folder: $XDG_CONFIG_HOME, else ~/.config.
std::string UserConfigFolder();
