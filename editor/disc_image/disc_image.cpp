#include "editor/disc_image/disc_image.h"

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>

#include "editor/disc_image/disc_contents.h"
#include "editor/disc_image/disc_names.h"
#include "editor/disc_image/volume_label.h"
#include "editor/output_target.h"
#include "editor/project_lock.h"
#include "platform/platform.h"
#include "platform/posix/child_process.h"
#include "platform/replacement_file.h"

namespace {

constexpr std::size_t kSector = 2048;
constexpr int kPollMs = 100;
constexpr std::size_t kComplaintLines = 8;
// What the exclusions may add to xorriso's command line: Linux takes about
// 2 MiB of arguments and environment together.
constexpr std::size_t kMaxExcludedBytes = 1u << 20;
constexpr std::size_t kNamedLeftOff = 20;

std::string TooManyExcluded(std::size_t count) {
    return "The project folder holds " + std::to_string(count) +
           " entries that must stay off the disc (links that lead out of the folder or nowhere, "
           "temporary files, pipes or devices): too many to leave out. Remove them from the "
           "project folder and try again.";
}

// An ISO 9660 image: its first volume descriptor's "CD001" at 32769.
bool IsDiscImage(const std::string& path) {
    std::unique_ptr<std::FILE, int (*)(std::FILE*)> f(
        platform::Current().system->OpenRegularFile(path), &std::fclose);
    char id[5];
    return f && std::fseek(f.get(), 16 * long(kSector) + 1, SEEK_SET) == 0 &&
           std::fread(id, 1, 5, f.get()) == 5 && std::string(id, 5) == "CD001";
}

void Show(const std::string& text) {
    platform::Current().services->ShowMessage(text, platform::MessageButtons::Ok);
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

std::string ImageOutputRefusal(const std::string& folder, const std::string& output) {
    return OutputRefusal(folder, output, "The disc image", IsDiscImage);
}

ImageResult WriteDiscImage(const DiscImageJob& job, const ImageProgress& progress,
                           std::uintmax_t* size) {
    const std::string failed = "Failed to write the disc image: " + job.output;
    const std::string refusal = ImageOutputRefusal(job.folder, job.output);
    if (!refusal.empty()) {
        Show(refusal);
        return ImageResult::Failed;
    }
    const ProjectLock lock(job.folder);
    if (!lock.Held()) return ImageResult::Failed;
    // Windows would see one of two names that differ only in case, at random.
    platform::System& system = *platform::Current().system;
    const std::string root = system.ResolvedPath(job.folder);
    const std::string earlier =
        system.KindOf(job.output) == platform::EntryKind::Missing ? "" : system.ResolvedPath(job.output);
    const std::string clashes = root.empty() ? "" : CaseClashText(FindDiscNameFaults(root, {earlier}));
    if (!clashes.empty()) {
        Show(failed + "\n" + clashes);
        return ImageResult::Failed;
    }

    platform::ReplacementFile image(job.output);
    if (!image.Create() || !image.Close()) {
        Show("Failed to create the disc image file: " + job.output + "\n" + std::strerror(errno));
        return ImageResult::Failed;
    }
    const std::string& temporary = image.TemporaryPath();

    // Real paths on both sides: xorriso compares the exclusions with the paths
    // it walks from the root it is given. An image saved inside the project
    // folder is not put into itself (its temporary name is left out anyway).
    // Ours and live, so left off without a word: the lock, the image being
    // written and an earlier image.
    std::vector<std::string> ours = {system.ResolvedPath(temporary)};
    const std::string lockFile = root + "/" + platform::PROJECT_LOCK_NAME;
    if (system.KindOf(lockFile) == platform::EntryKind::File) ours.push_back(lockFile);
    if (system.KindOf(job.output) != platform::EntryKind::Missing)
        ours.push_back(system.ResolvedPath(job.output));
    std::vector<std::string> leftOff;
    for (const std::string& path : ExcludedPaths(root))
        if (std::find(ours.begin(), ours.end(), path) == ours.end()) leftOff.push_back(path);
    std::vector<std::string> excluded = leftOff;
    excluded.insert(excluded.end(), ours.begin(), ours.end());
    std::size_t excludedBytes = 0;
    for (const std::string& path : excluded) excludedBytes += path.size() + 1;
    if (excludedBytes > kMaxExcludedBytes) {
        Show(failed + "\n" + TooManyExcluded(leftOff.size()));
        return ImageResult::Failed;
    }

    if (root.empty()) {
        Show(failed + "\nThe project folder " + job.folder + " is gone.");
        return ImageResult::Failed;
    }
    platform::posix::ChildProcess xorriso;
    if (!xorriso.Start(job.xorriso,
                       XorrisoArguments(root, temporary, IsoVolumeLabel(job.title), excluded))) {
        Show(failed + "\nxorriso could not be started: " + std::strerror(errno));
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
            return ImageResult::Cancelled;
        }
    }
    if (xorriso.Wait() != 0) {
        const std::string said = Complaint(errors);
        Show(failed + "\nxorriso " + xorriso.HowItEnded() + (said.empty() ? "." : ":\n" + said));
        return ImageResult::Failed;
    }
    if (!WriteJolietName(temporary, job.title) || !image.Commit()) {
        const int why = errno;
        image.Discard();
        Show(failed + "\n" + std::strerror(why));
        return ImageResult::Failed;
    }
    if (!leftOff.empty()) Show(LEFT_OFF_NOTE + LeftOffLines(root, leftOff, kNamedLeftOff));
    if (size) {
        std::unique_ptr<std::FILE, int (*)(std::FILE*)> written(system.OpenRegularFile(job.output),
                                                                &std::fclose);
        *size = 0;
        if (written && std::fseek(written.get(), 0, SEEK_END) == 0)
            *size = std::uintmax_t(std::ftell(written.get()));
    }
    return ImageResult::Written;
}
