# Sourced: which Wine this machine can run.
#   32  the 32-bit Wine loader runs (the machine executes IA-32 code): Win32
#       tests are i686 builds in a 32-bit prefix, exactly like the shipped
#       programs
#   64  it does not (e.g. a kernel booted without IA-32 emulation): Win32 tests
#       are x86-64 builds of the same sources in a 64-bit prefix
hvt_wine_arch() {
  if [ -n "${HVT_WINE_ARCH:-}" ]; then echo "$HVT_WINE_ARCH"; return; fi
  if /lib/ld-linux.so.2 --version >/dev/null 2>&1; then echo 32; else echo 64; fi
}
