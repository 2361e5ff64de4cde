# Sourced: what this machine can run.
#   hvt_runs_ia32    true where the machine executes IA-32 code (the 32-bit
#                    loader runs); where it does not (a kernel booted without
#                    IA-32 emulation), 32-bit Wine runs only inside the VM of
#                    scripts/vm-i686.sh
#   hvt_i686_in_vm   true where the i686 route runs inside that VM (or this
#                    is the VM); HVT_FORCE_VM=1 takes it even where IA-32
#                    code runs
#   hvt_time_factor  how many times the deadlines of the i686 route's tests
#                    are stretched: 1 on this machine's own Wine, 4 in the
#                    software-emulated VM
hvt_runs_ia32() {
  /lib/ld-linux.so.2 --version >/dev/null 2>&1
}
hvt_i686_in_vm() {
  [ "${HVT_IN_VM:-}" = 1 ] || [ "${HVT_FORCE_VM:-}" = 1 ] || ! hvt_runs_ia32
}
hvt_time_factor() {
  if hvt_i686_in_vm; then echo 4; else echo 1; fi
}
