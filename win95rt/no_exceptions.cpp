// The shipped programs are built without exceptions. The static C++ library
// would still bring in its throwing paths (and with them the unwinder's
// tables and a name demangler, a third of a program's size); these
// definitions replace them. A failure that would have thrown ends the
// program with a system-modal box instead, as no exception can cross a
// window procedure anyway. The nothrow forms of new answer null, so the
// callers that test for it keep their own out-of-memory paths.
#include <windows.h>

#include <cstdlib>
#include <new>

namespace {

[[noreturn]] void EndProgram(const char* text) {
  MessageBoxA(nullptr, text, nullptr, MB_OK | MB_ICONSTOP | MB_SYSTEMMODAL);
  ExitProcess(3);
}

[[noreturn]] void OutOfMemory() { EndProgram("There is not enough memory to continue."); }
[[noreturn]] void InternalError(const char*) {
  EndProgram("An internal error has ended the program.");
}

void* Allocate(std::size_t bytes) noexcept { return std::malloc(bytes ? bytes : 1); }

void* AllocateOrEnd(std::size_t bytes) {
  void* block = Allocate(bytes);
  if (!block) OutOfMemory();
  return block;
}

}  // namespace

void* operator new(std::size_t bytes) { return AllocateOrEnd(bytes); }
void* operator new[](std::size_t bytes) { return AllocateOrEnd(bytes); }
void* operator new(std::size_t bytes, const std::nothrow_t&) noexcept { return Allocate(bytes); }
void* operator new[](std::size_t bytes, const std::nothrow_t&) noexcept { return Allocate(bytes); }
void operator delete(void* block) noexcept { std::free(block); }
void operator delete[](void* block) noexcept { std::free(block); }
void operator delete(void* block, std::size_t) noexcept { std::free(block); }
void operator delete[](void* block, std::size_t) noexcept { std::free(block); }
void operator delete(void* block, const std::nothrow_t&) noexcept { std::free(block); }
void operator delete[](void* block, const std::nothrow_t&) noexcept { std::free(block); }

// Every function of the library's own throw helpers is defined here, so its
// object (which needs the whole exception runtime) is never linked.
namespace std {
void __throw_bad_alloc() { OutOfMemory(); }
void __throw_bad_array_new_length() { OutOfMemory(); }
void __throw_length_error(const char* what) { InternalError(what); }
void __throw_logic_error(const char* what) { InternalError(what); }
void __throw_out_of_range(const char* what) { InternalError(what); }
void __throw_out_of_range_fmt(const char* what, ...) { InternalError(what); }
void __throw_invalid_argument(const char* what) { InternalError(what); }
void __throw_domain_error(const char* what) { InternalError(what); }
void __throw_range_error(const char* what) { InternalError(what); }
void __throw_overflow_error(const char* what) { InternalError(what); }
void __throw_underflow_error(const char* what) { InternalError(what); }
void __throw_runtime_error(const char* what) { InternalError(what); }
void __throw_bad_cast() { InternalError("bad_cast"); }
void __throw_bad_typeid() { InternalError("bad_typeid"); }
void __throw_bad_exception() { InternalError("bad_exception"); }
void __throw_bad_function_call() { InternalError("bad_function_call"); }
}  // namespace std

// The library's own objects (its string instantiations among them) were
// compiled with exceptions: their catch and clean-up paths name the
// exception runtime, which in turn brings the unwinder. Nothing throws, so
// those paths never run; these stand in for what they name.
extern "C" {
void* __cxa_begin_catch(void*) noexcept { InternalError("catch"); }
void __cxa_end_catch() {}
void __cxa_rethrow() { InternalError("rethrow"); }
void __cxa_call_terminate(void*) noexcept { InternalError("terminate"); }
void _Unwind_Resume(void*) { InternalError("unwind"); }
// Only ever found in the tables of a frame being unwound.
int __gxx_personality_v0(...) { InternalError("personality"); }

// Function-local statics: our programs run one thread, so a flag is all a
// guard needs (the library's version brings the exception runtime for a
// recursive initialisation).
int __cxa_guard_acquire(long long* guard) { return *reinterpret_cast<char*>(guard) == 0; }
void __cxa_guard_release(long long* guard) { *reinterpret_cast<char*>(guard) = 1; }
void __cxa_guard_abort(long long*) {}
}  // extern "C"

namespace __gnu_cxx {
void __verbose_terminate_handler() { InternalError("terminate"); }
}  // namespace __gnu_cxx
