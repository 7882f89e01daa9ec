#include "editor/disc_image/disc_image.h"

#include <stdlib.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cctype>
#include <cstdio>
#include <filesystem>
#include <system_error>

#include "editor/disc_image/volume_label.h"
#include "platform/platform.h"
#include "platform/posix/child_process.h"

namespace fs = std::filesystem;

namespace {

constexpr std::size_t kSector = 2048;
constexpr int kPollMs = 100;
constexpr std::size_t kComplaintLines = 8;

void Show(const std::string& text) {
    platform::Current().services->ShowMessage(text, platform::MessageButtons::Ok);
}

bool EndsWithSuffix(const std::string& name, const std::string& marker, std::size_t minLength,
                    std::size_t maxLength, int (*isValid)(int)) {
    const std::size_t at = name.rfind(marker);
    if (at == std::string::npos || at == 0) return false;
    const std::string rest = name.substr(at + marker.size());
    if (rest.size() < minLength || rest.size() > maxLength) return false;
    for (char c : rest)
        if (!isValid(static_cast<unsigned char>(c))) return false;
    return true;
}

bool Inside(const fs::path& path, const fs::path& folder) {
    const std::string p = path.string(), f = folder.string();
    return p.size() > f.size() && p.compare(0, f.size(), f) == 0 && p[f.size()] == '/';
}

// The Joliet volume descriptor's name field, rewritten with the whole title:
// xorriso writes one identifier into both descriptors, and the ISO one must
// stay within A-Z 0-9 _.
bool WriteJolietName(const std::string& image, const std::string& title) {
    std::FILE* f = std::fopen(image.c_str(), "r+b");
    if (!f) return false;
    bool found = false;
    unsigned char sector[kSector];
    for (long n = 16; n < 64; ++n) {  // the descriptor set ends well before
        if (std::fseek(f, n * long(kSector), SEEK_SET) != 0 ||
            std::fread(sector, 1, kSector, f) != kSector)
            break;
        if (sector[0] == 255 || std::string(reinterpret_cast<char*>(sector + 1), 5) != "CD001")
            break;
        const bool joliet = sector[0] == 2 && sector[88] == '%' && sector[89] == '/' &&
                            (sector[90] == '@' || sector[90] == 'C' || sector[90] == 'E');
        if (!joliet) continue;
        const std::string name = JolietVolumeName(title);
        found = std::fseek(f, n * long(kSector) + 40, SEEK_SET) == 0 &&
                std::fwrite(name.data(), 1, name.size(), f) == name.size();
        break;
    }
    return std::fclose(f) == 0 && found;
}

// What xorriso said that matters: its failure lines, else the last lines.
std::string Complaint(const std::string& errorOutput) {
    std::vector<std::string> all, serious;
    std::string line;
    for (char c : errorOutput + "\n") {
        if (c != '\n') {
            line += c;
            continue;
        }
        if (!line.empty() && line.find(" : UPDATE : ") == std::string::npos) {
            all.push_back(line);
            for (const char* level :
                 {" : FAILURE : ", " : SORRY : ", " : MISHAP : ", " : FATAL : ", " : ABORT : "})
                if (line.find(level) != std::string::npos) serious.push_back(line);
        }
        line.clear();
    }
    std::vector<std::string>& chosen = serious.empty() ? all : serious;
    const std::size_t from = chosen.size() > kComplaintLines ? chosen.size() - kComplaintLines : 0;
    std::string text;
    for (std::size_t i = from; i < chosen.size(); ++i)
        text += (text.empty() ? "" : "\n") + chosen[i];
    return text;
}

}  // namespace

std::string FindXorriso() {
    const char* path = std::getenv("PATH");
    return platform::posix::FindOnPath("xorriso", path ? path : "/usr/bin:/bin");
}

bool IsTemporaryName(const std::string& name) {
    return name.rfind("AppSetup.dat.tmp", 0) == 0 ||
           EndsWithSuffix(name, ".tmp.", 8, 8, ::isxdigit) ||
           EndsWithSuffix(name, ".tmp", 1, 2, ::isdigit);
}

std::vector<std::string> ExcludedPaths(const std::string& folder) {
    std::vector<std::string> excluded;
    std::error_code ec;
    const fs::path root = fs::canonical(fs::path(folder), ec);
    if (ec) return excluded;
    fs::recursive_directory_iterator it(root, fs::directory_options::skip_permission_denied, ec);
    for (; !ec && it != fs::recursive_directory_iterator(); it.increment(ec)) {
        std::error_code typeEc;
        const fs::file_status status = it->symlink_status(typeEc);
        const fs::path& path = it->path();
        bool keep;
        if (fs::is_symlink(status)) {
            std::error_code linkEc;
            const fs::path target = fs::canonical(path, linkEc);
            keep = !linkEc && Inside(target, root);
        } else if (fs::is_regular_file(status)) {
            keep = !IsTemporaryName(path.filename().string());
        } else {
            keep = fs::is_directory(status);
        }
        if (!keep) excluded.push_back(path.string());
    }
    return excluded;
}

std::vector<std::string> XorrisoArguments(const std::string& folder, const std::string& imagePath,
                                          const std::string& volumeLabel,
                                          const std::vector<std::string>& excluded) {
    // No start-up files, names taken literally, links recorded as links (never
    // followed out of the folder), and any complaint of SORRY or worse fails.
    std::vector<std::string> args = {
        "-no_rc",  "-abort_on",          "FAILURE", "-return_with", "SORRY",
        "32",      "-disk_pattern",      "off",     "-follow",      "off",
        "-outdev", "stdio:" + imagePath, "-volid",  volumeLabel,    "-joliet",
        "on",      "-rockridge",         "on",      "-compliance",  "joliet_long_names"};
    if (!excluded.empty()) {
        args.push_back("-not_paths");
        args.insert(args.end(), excluded.begin(), excluded.end());
        args.push_back("--");
    }
    std::string root = folder;
    while (root.size() > 1 && root.back() == '/') root.pop_back();
    args.insert(args.end(), {"-map", root, "/", "-commit", "-end"});
    return args;
}

int ProgressPercent(const std::string& line) {
    if (line.find(" : UPDATE : ") == std::string::npos) return -1;
    const std::size_t sign = line.find('%');
    if (sign == std::string::npos) return -1;
    std::size_t start = sign;
    while (start > 0 &&
           (std::isdigit(static_cast<unsigned char>(line[start - 1])) || line[start - 1] == '.'))
        --start;
    if (start == sign) return -1;
    const double value = std::atof(line.substr(start, sign - start).c_str());
    return value < 0 ? 0 : value > 100 ? 100 : int(value);
}

ImageResult WriteDiscImage(const DiscImageJob& job, const ImageProgress& progress,
                           std::uintmax_t* size) {
    const std::string failed = "Failed to write the disc image: " + job.output;
    std::string temporary = job.output + ".tmp.XXXXXX";
    const int fd = ::mkstemp(temporary.data());
    if (fd < 0) {
        Show("Failed to create the disc image file: " + job.output);
        return ImageResult::Failed;
    }
    // mkstemp makes it private; an image is an ordinary file of the user's.
    const mode_t mask = ::umask(0);
    ::umask(mask);
    ::fchmod(fd, 0666 & ~mask);
    ::close(fd);

    // Real paths on both sides: xorriso compares the exclusions with the paths
    // it walks from the root it is given.
    std::error_code ec;
    const std::string root = fs::canonical(fs::path(job.folder), ec).string();
    std::vector<std::string> excluded = ExcludedPaths(root);
    // An image saved inside the project folder is not put into itself.
    excluded.push_back(fs::weakly_canonical(temporary, ec).string());
    excluded.push_back(fs::weakly_canonical(job.output, ec).string());

    platform::posix::ChildProcess xorriso;
    if (root.empty() ||
        !xorriso.Start(job.xorriso,
                       XorrisoArguments(root, temporary, IsoVolumeLabel(job.title), excluded))) {
        ::unlink(temporary.c_str());
        Show(failed);
        return ImageResult::Failed;
    }

    std::string errors;
    std::size_t scanned = 0;
    int percent = -1;
    bool open = true;
    while (open) {
        open = xorriso.ReadError(&errors, kPollMs);
        for (std::size_t end; (end = errors.find('\n', scanned)) != std::string::npos;
             scanned = end + 1) {
            const int p = ProgressPercent(errors.substr(scanned, end - scanned));
            if (p >= 0) percent = p;
        }
        if (progress && !progress(percent)) {
            xorriso.Kill();
            ::unlink(temporary.c_str());
            return ImageResult::Cancelled;
        }
    }
    const int status = xorriso.Wait();

    if (status != 0 || !WriteJolietName(temporary, job.title) ||
        (fs::rename(temporary, job.output, ec), ec)) {
        ::unlink(temporary.c_str());
        const std::string said = status != 0 ? Complaint(errors) : std::string();
        Show(said.empty() ? failed : failed + "\n" + said);
        return ImageResult::Failed;
    }
    if (size) *size = fs::file_size(job.output, ec);
    return ImageResult::Written;
}
