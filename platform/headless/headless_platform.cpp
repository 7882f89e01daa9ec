#include "platform/headless/headless_platform.h"

#include "platform/platform.h"

namespace platform {

HeadlessPlatform::HeadlessPlatform(const HeadlessOptions& options)
    : windows(options.screen, options.hasHandCursor), system(&posix, options.language) {
    Install({&graphics, &windows, &services, &system});
}

HeadlessPlatform::~HeadlessPlatform() {
    // Leave nothing installed that points at members about to go.
    if (Current().windows == &windows) Install(Platform());
}

}  // namespace platform
