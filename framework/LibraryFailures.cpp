// The standard library's failure hooks, as this program needs them.
//
// The library's own versions build std::length_error and its kin, which carry their message in a
// copy-on-write narrow string: linking them brings in both narrow string implementations and, with
// them, the random device, over a quarter of the 32-bit file. Nothing in the program looks at such
// an exception beyond catching everything where no exception may pass (the dialog procedure and
// wWinMain), so one plain type of its own takes their place. Allocation failures keep their
// standard types: the device list catches std::bad_alloc.
#include <cstdlib>
#include <new>

namespace {
struct LibraryFailure {};
}  // namespace

namespace std {
void __throw_bad_alloc() { throw bad_alloc(); }
void __throw_bad_array_new_length() { throw bad_array_new_length(); }
void __throw_logic_error(const char*) { throw LibraryFailure(); }
void __throw_length_error(const char*) { throw LibraryFailure(); }
void __throw_out_of_range(const char*) { throw LibraryFailure(); }
void __throw_out_of_range_fmt(const char*, ...) { throw LibraryFailure(); }
void __throw_invalid_argument(const char*) { throw LibraryFailure(); }
void __throw_system_error(int) { throw LibraryFailure(); }
}  // namespace std

// The default handler for an unhandled exception writes the exception's demangled type to the
// console: a window program has none. This program just ends.
namespace __gnu_cxx {
void __verbose_terminate_handler() { std::abort(); }
}  // namespace __gnu_cxx
