// How Velomar.exe ends when it cannot go on: out of memory, or an error the
// code never expects. It is built without exceptions, so neither can be
// caught; the program stops at once instead.
#include <cstdlib>
#include <exception>
#include <new>

namespace {

[[noreturn]] void Stop() { std::abort(); }

}  // namespace

// libstdc++'s default terminate handler prints a demangled report, which pulls
// the demangler and a printf into the exe; a GUI program has nowhere to print
// it. Defining it here keeps libstdc++'s own out of the link.
namespace __gnu_cxx {
void __verbose_terminate_handler() { Stop(); }
}  // namespace __gnu_cxx

// Allocation never throws: a failed one ends the program, which is what an
// uncaught bad_alloc did, without linking the exception machinery for it.
void* operator new(std::size_t size) {
    if (void* p = std::malloc(size ? size : 1)) return p;
    Stop();
}
void* operator new[](std::size_t size) { return operator new(size); }
void* operator new(std::size_t size, const std::nothrow_t&) noexcept {
    return std::malloc(size ? size : 1);
}
void* operator new[](std::size_t size, const std::nothrow_t&) noexcept {
    return std::malloc(size ? size : 1);
}
void operator delete(void* p) noexcept { std::free(p); }
void operator delete[](void* p) noexcept { std::free(p); }
void operator delete(void* p, std::size_t) noexcept { std::free(p); }
void operator delete[](void* p, std::size_t) noexcept { std::free(p); }

// The library's own error paths (a string or vector past its maximum size, an
// out-of-range index) throw through these. Nothing here can catch them, so
// they end the program directly; this keeps libstdc++'s exception classes,
// and the old strings they carry, out of the exe. Should the code ever call a
// thrower not listed here, the link fails with duplicate symbols.
namespace std {
void __throw_bad_exception() { Stop(); }
void __throw_bad_alloc() { Stop(); }
void __throw_bad_array_new_length() { Stop(); }
void __throw_bad_cast() { Stop(); }
void __throw_bad_typeid() { Stop(); }
void __throw_logic_error(const char*) { Stop(); }
void __throw_domain_error(const char*) { Stop(); }
void __throw_invalid_argument(const char*) { Stop(); }
void __throw_length_error(const char*) { Stop(); }
void __throw_out_of_range(const char*) { Stop(); }
void __throw_out_of_range_fmt(const char*, ...) { Stop(); }
void __throw_runtime_error(const char*) { Stop(); }
void __throw_range_error(const char*) { Stop(); }
void __throw_overflow_error(const char*) { Stop(); }
void __throw_underflow_error(const char*) { Stop(); }
}  // namespace std
