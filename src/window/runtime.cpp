// The C++ runtime as vexmora.exe needs it. The program is built without exceptions: every
// error is a return value, and the allocations whose size comes from outside (a registry
// value, a version block) use malloc and check for null. What the C++ library itself would
// still throw (a container past max_size(), memory that runs out) ends the program here
// instead, so that the exception machinery, its unwinder and the demangler of its
// terminate handler stay out of the exe (they were two thirds of it).

#include <cstdlib>
#include <new>
#include <string>

// These definitions take the place of the C++ library's own, so they must use its names,
// in its namespace, with its signatures (unnamed and variadic parameters included).
// NOLINTBEGIN(cert-dcl58-cpp, bugprone-reserved-identifier, cert-dcl37-c, cert-dcl51-cpp)
// NOLINTBEGIN(cert-dcl50-cpp, readability-named-parameter)

// std::string's members come from the library's own copy, which is built with exceptions
// and would bring them along: this copy is built like the rest of the program.
template class std::basic_string<char>;

namespace std {
void __throw_bad_alloc() {
    std::abort();
}
void __throw_bad_array_new_length() {
    std::abort();
}
void __throw_length_error(const char*) {
    std::abort();
}
void __throw_logic_error(const char*) {
    std::abort();
}
void __throw_out_of_range(const char*) {
    std::abort();
}
void __throw_out_of_range_fmt(const char*, ...) {
    std::abort();
}
void __throw_invalid_argument(const char*) {
    std::abort();
}
}  // namespace std

extern "C" void __cxa_pure_virtual() {
    std::abort();
}

void* operator new(std::size_t size) {
    if (void* memory = std::malloc(size == 0 ? 1 : size)) return memory;
    std::abort();
}
void* operator new[](std::size_t size) {
    return operator new(size);
}
void operator delete(void* memory) noexcept {
    std::free(memory);
}
void operator delete[](void* memory) noexcept {
    std::free(memory);
}
void operator delete(void* memory, std::size_t) noexcept {
    std::free(memory);
}
void operator delete[](void* memory, std::size_t) noexcept {
    std::free(memory);
}

// NOLINTEND(cert-dcl50-cpp, readability-named-parameter)
// NOLINTEND(cert-dcl58-cpp, bugprone-reserved-identifier, cert-dcl37-c, cert-dcl51-cpp)
