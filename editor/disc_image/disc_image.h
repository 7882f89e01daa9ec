// Writes an ISO 9660 image of a built project folder, with Joliet and Rock
// Ridge names, by running xorriso. The image is a platform::ReplacementFile, so
// a failure or a cancel leaves no image at all.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

constexpr const char* XORRISO_MISSING =
    "Cannot make a disc image: the program xorriso was not found. Please install the package "
    "\"xorriso\".";

// Shown after a written image, with a line for each entry of the project
// folder that is not on the disc.
constexpr const char* LEFT_OFF_NOTE = "The disc image was written without these entries:";

// xorriso on $PATH; "" when there is none.
std::string FindXorriso();

// xorriso's arguments (after the program name) to write `folder` as the
// image's root into `imagePath`, without the `excluded` paths.
std::vector<std::string> XorrisoArguments(const std::string& folder, const std::string& imagePath,
                                          const std::string& volumeLabel,
                                          const std::vector<std::string>& excluded);

// The percentage in one line of xorriso's error output ("xorriso : UPDATE :
// Writing: ... 45.2% ..."), or -1 when the line tells none.
int ProgressPercent(const std::string& line);

struct DiscImageJob {
    std::string folder;   // the project folder
    std::string output;   // the .iso to write; replaced when it exists
    std::string title;    // the text the volume names are made from
    std::string xorriso;  // the program's path
};

enum class ImageResult { Written, Failed, Cancelled };

// Called while xorriso runs, about ten times a second: `percent` is 0 to 100,
// or -1 until xorriso tells. Returning false stops it.
using ImageProgress = std::function<bool(int percent)>;

// Why `output` may not be written for the project in `folder`, or "": it may
// name no existing entry inside the project folder other than an earlier disc
// image.
std::string ImageOutputRefusal(const std::string& folder, const std::string& output);

// Runs the job (refused first as ImageOutputRefusal says, or when two names
// in a folder differ only in letter case: CaseClashText) under the project's
// lock. Failed comes after one message (our line, then what xorriso
// said); Cancelled shows none. Only Written leaves a file at `output`, and
// `*size` (when given) is then its size in bytes; LEFT_OFF_NOTE comes first
// when the project holds entries the disc cannot.
ImageResult WriteDiscImage(const DiscImageJob& job, const ImageProgress& progress,
                           std::uintmax_t* size = nullptr);
