// How the program ends when the standard library gives up. The default terminate handler prints the
// pending exception's demangled type to stderr, which a windowed program does not have; replacing it
// keeps the demangler, some 45 KB, out of the executable.
//
// Nothing in the program catches an exception, so the library's failed preconditions (lengths past
// max_size, positions out of range, allocations that fail) end the program through the handler anyway.
// Ending it where they are raised comes to the same and keeps the exception classes and the old string
// implementation they carry, some 35 KB, out as well. The linker reports any of these the library
// still needs from elsewhere as defined twice.
#include <cstdlib>

namespace __gnu_cxx {

[[noreturn]] void __verbose_terminate_handler() {
    std::abort();
}

}  // namespace __gnu_cxx

namespace std {

[[noreturn]] void __throw_bad_alloc() {
    std::abort();
}

[[noreturn]] void __throw_bad_array_new_length() {
    std::abort();
}

[[noreturn]] void __throw_length_error(const char*) {
    std::abort();
}

[[noreturn]] void __throw_logic_error(const char*) {
    std::abort();
}

[[noreturn]] void __throw_out_of_range_fmt(const char*, ...) {
    std::abort();
}

}  // namespace std
