// std::string's members, made here without exceptions. libstdc++ ships them
// ready made, but built with exceptions: linking its copy brings the C++
// exception runtime (personality routine, unwinder, frame tables) for catch
// blocks that can never run in this program. A definition here comes first,
// so the library's is never linked.
#include <string>

template class std::basic_string<char>;
