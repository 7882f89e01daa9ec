#include "platform/wx/out_of_memory.h"

#include <malloc.h>
#include <pthread.h>
#include <sys/mman.h>
#include <sys/resource.h>

#include <cstdio>
#include <new>

#include "platform/platform.h"

namespace platform::wx {

namespace {
bool ranOut = false;
// What the toolkit's start takes beyond the program as loaded (about 25 MiB
// under a limit on address space), with a margin.
constexpr std::size_t kRoomToStart = std::size_t(40) << 20;
}  // namespace

bool ReportIfOutOfMemory() {
    try {
        throw;
    } catch (const std::bad_alloc&) {
        ranOut = true;
        ReportOutOfMemory();
        return true;
    } catch (...) {
        return false;
    }
}

bool RoomToStart() {
    // Under a limit on address space, a 64 MiB malloc arena for each thread
    // and its 8 MiB stack use it up, though they hold little memory. Without
    // a limit they stay: one arena shared with the font thread slows the start.
    if (AddressSpaceLimited()) {
        mallopt(M_ARENA_MAX, 1);
        pthread_attr_t attr;
        if (pthread_getattr_default_np(&attr) == 0) {
            if (pthread_attr_setstacksize(&attr, std::size_t(1) << 21) == 0)
                pthread_setattr_default_np(&attr);
            pthread_attr_destroy(&attr);
        }
    }
    void* room =
        mmap(nullptr, kRoomToStart, PROT_NONE, MAP_PRIVATE | MAP_ANONYMOUS | MAP_NORESERVE, -1, 0);
    if (room == MAP_FAILED) {
        std::fputs(kOutOfMemoryMessage, stderr);
        return false;
    }
    munmap(room, kRoomToStart);
    return true;
}

bool AddressSpaceLimited() {
    rlimit limit;
    return getrlimit(RLIMIT_AS, &limit) == 0 && limit.rlim_cur != RLIM_INFINITY;
}

int ExitStatus(int toolkitStatus) { return ranOut ? 1 : toolkitStatus; }

}  // namespace platform::wx
