// Where a command may write a file it makes from a project (a disc image, a
// picture): a new name, or an existing regular file that is not part of the
// project. A folder, device, pipe or socket there is never replaced.
#pragma once

#include <functional>
#include <string>

// Why `output` may not be written for the project in `folder`, or "" when it
// may. `what` starts the message ("The disc image"). Inside the project folder
// names are compared without regard to case, as a Windows disc reads them;
// there an existing entry of exactly that name is replaced only when
// `isEarlierOutput` (may be empty) says it is one of ours.
std::string OutputRefusal(const std::string& folder, const std::string& output,
                          const std::string& what,
                          const std::function<bool(const std::string&)>& isEarlierOutput);
