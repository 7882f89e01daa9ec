#include "platform/win32/apartment.h"

#include <objbase.h>

namespace platform::win32 {

void JoinApartment() {
    static const bool joined = SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED));
    (void)joined;
}

}  // namespace platform::win32
