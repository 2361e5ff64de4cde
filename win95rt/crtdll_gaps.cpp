// Names that MinGW-w64's headers and its static C++ library expect from the
// C runtime and that CRTDLL.DLL does not export under them. Each forwards to
// what CRTDLL does export.
#include <cerrno>

extern "C" {

// CRTDLL's own exports (declared here, not through the headers, which map
// these names onto the newer runtime's).
long __cdecl time(long* seconds);
int __cdecl _read(int fd, void* buffer, unsigned count);
int __cdecl _close(int fd);

// <ctime>'s time() calls _time32 through an import pointer; CRTDLL's time()
// is that function under its old name.
static long __cdecl Time32(long* seconds) { return time(seconds); }
long(__cdecl* _imp___time32)(long*) = Time32;

// std::random_device's file descriptor route (never used by our programs).
int __cdecl read(int fd, void* buffer, unsigned count) { return _read(fd, buffer, count); }
int __cdecl close(int fd) { return _close(fd); }

// std::random_device asks rand_s first; Windows 95 has no such source, so
// it is refused like an unsupported request.
static int __cdecl NoRandomSource(unsigned*) { return EINVAL; }
int(__cdecl* _imp__rand_s)(unsigned*) = NoRandomSource;

}  // extern "C"
