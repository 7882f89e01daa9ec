// The one way every file we make is written: its bytes go to a fresh temporary
// file beside the target, which is synced and renamed into place only when
// complete. A link at the target is replaced, never written through; a failure
// or a kill at any moment leaves the old file or the new one, never a part.
#pragma once

#include <cstdint>
#include <cstdio>
#include <string>
#include <utility>

namespace platform {

// The temporary name beside `target`: target + ".tmp." + 8 hex digits.
std::string TemporaryNameFor(const std::string& target, std::uint32_t random);

// True exactly for a leaf name TemporaryNameFor makes (a non-empty NAME, then
// ".tmp." and 8 lower-case hex digits): the only names ever taken for ours.
// A user's "notes.tmp7" or "AppSetup.dat.tmpl" is not one.
bool IsTemporaryName(const std::string& leaf);

// True when `leaf` is a temporary name of `targetLeaf` (the target's letter
// case ignored: a stored name may reach it in another case).
bool IsTemporaryNameOf(const std::string& leaf, const std::string& targetLeaf);

class FolderBelow;

class ReplacementFile {
  public:
    explicit ReplacementFile(std::string target) : target_(std::move(target)) {}
    // The file `leaf` of `folder`, made and renamed there (the folder outlives this).
    ReplacementFile(FolderBelow& folder, std::string leaf)
        : folder_(&folder), target_(std::move(leaf)) {}
    ~ReplacementFile() { Discard(); }  // never committed: our temporary file goes
    ReplacementFile(const ReplacementFile&) = delete;
    ReplacementFile& operator=(const ReplacementFile&) = delete;

    // Creates the temporary file (System::CreateReplacement). False when it
    // cannot be made or the target may not be modified.
    bool Create();

    // The stream to write, until Close or Commit.
    std::FILE* File() const { return file_; }

    // Where the temporary file is (its leaf name in a FolderBelow): another
    // program may write it after Close.
    const std::string& TemporaryPath() const { return temp_; }

    // Flushes and closes the stream; false when any write failed.
    bool Close();

    // Close, then System::ReplaceFile. False, with the temporary file removed
    // and the target untouched, when anything failed.
    bool Commit();

    // Removes the temporary file (only ours, only when not committed).
    void Discard();

  private:
    bool Replace();
    void Remove();

    FolderBelow* folder_ = nullptr;
    std::string target_;
    std::string temp_;
    std::FILE* file_ = nullptr;
    bool failed_ = false;
};

// `bytes` as the whole content of `target`, the safe way.
bool WriteWholeFile(const std::string& target, const std::string& bytes);

// The rest of `in` as the whole content of `target`, the safe way. *readFailed
// (when given) tells a failure of `in` from one of the target.
bool CopyToFile(std::FILE* in, const std::string& target, bool* readFailed = nullptr);

// The same into the file `leaf` of `folder`.
bool CopyToFile(std::FILE* in, FolderBelow& folder, const std::string& leaf,
                bool* readFailed = nullptr);

}  // namespace platform
