#include "platform/wx/out_of_memory.h"

#include <new>

#include "platform/platform.h"

namespace platform::wx {

namespace {
bool ranOut = false;
}

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

int ExitStatus(int toolkitStatus) { return ranOut ? 1 : toolkitStatus; }

}  // namespace platform::wx
