#!/usr/bin/env bash
# scripts/vm-i686.sh COMMAND [ARG...]
#
# Runs COMMAND where 32-bit Windows programs can run. On a machine that
# executes IA-32 code that is here: the command runs directly. On one that
# does not (a kernel booted without IA-32 emulation), it runs inside a
# software-emulated virtual machine: Debian's own amd64 kernel under
# qemu-system-x86_64, the machine's root filesystem shared read-only with
# the writes going to a disk of the VM's own that ends with it, except the
# build folder, whose writes come back. The command runs as root in the
# current folder, with the whole filesystem at the same paths and without
# X (as in a CI shell); its standard output, standard error and exit code
# are this script's own. HVT_FORCE_VM=1 takes the VM even where IA-32 code
# runs.
#
# What the VM boots from is made once per machine in build/vm/: the kernel
# and its modules taken out of Debian's kernel package (downloaded, never
# installed) and a busybox initramfs of our own.
#
# Settings: HVT_VM_TIMEOUT (s, default 3600; the VM is ended when it passes),
# HVT_VM_MEMORY (MiB, default 4096), HVT_VM_ACCEL=kvm (hardware
# virtualisation instead of software emulation).
# In the command, HVT_VM_SCRATCH names a folder on a local disk of the run
# (faster than the build folder; gone afterwards) and HVT_IN_VM=1 is set.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
out=${HVT_BUILD_DIR:-$top/build}
source "$top/scripts/wine-arch.sh"

[ $# -gt 0 ] || { echo "usage: scripts/vm-i686.sh COMMAND [ARG...]" >&2; exit 2; }

if ! hvt_i686_in_vm || [ "${HVT_IN_VM:-}" = 1 ]; then
  exec "$@"
fi

vm=$out/vm
# Modules of the guest kernel, each after what it depends on: the virtio
# transport, the 9p filesystem the shares come through, the overlay, and
# the disk (virtio_blk, ext4: user extended attributes, where Wine keeps a
# file's hidden and system attributes, which the kernel's tmpfs lacks).
guest_modules=(virtio_pci 9pnet_virtio 9p overlay virtio_blk crc32c_generic ext4)

# The kernel and the modules, once per machine; the initramfs again
# whenever scripts/vm-init.sh changed.
prepare_boot() {
  local root=$vm/boot/initramfs
  if [ ! -f "$vm/boot/ready" ]; then
    echo "vm-i686: preparing the VM's kernel and initramfs in $vm/boot (once per machine)" >&2
    rm -rf "$vm/boot"
    mkdir -p "$vm/boot/download" "$vm/boot/kernel" "$root"
    local package
    package=$(apt-cache depends linux-image-amd64 | sed -n 's/^ *Depends: \(linux-image-[^ ]*\)$/\1/p' | head -n 1)
    [ -n "$package" ] || { echo "vm-i686: no kernel package behind linux-image-amd64" >&2; return 1; }
    (cd "$vm/boot/download" && apt-get download -q "$package" >download.log 2>&1) \
      || { cat "$vm/boot/download/download.log" >&2; return 1; }
    dpkg-deb -x "$vm/boot/download/"*.deb "$vm/boot/kernel"
    local version
    version=$(ls "$vm/boot/kernel/lib/modules")
    cp "$vm/boot/kernel/boot/vmlinuz-$version" "$vm/boot/vmlinuz"

    local tree=$vm/boot/kernel/lib/modules/$version/kernel
    mkdir -p "$root/bin" "$root/modules" "$root/proc" "$root/sys" "$root/dev" "$root/ro" \
             "$root/scratch" "$root/newroot"
    cp /bin/busybox "$root/bin/busybox"
    # Each module once, after those it depends on (their own .modinfo says).
    local order=() seen=" "
    add_module() {
      local name=$1 file dep
      [[ "$seen" == *" $name "* ]] && return 0
      seen+="$name "
      file=$(find "$tree" -name "$name.ko*" | head -n 1)
      [ -n "$file" ] || { echo "vm-i686: module $name not in $package" >&2; return 1; }
      for dep in $(unpacked_module "$file" | tr '\0' '\n' | sed -n 's/^depends=//p' | tr ',' ' '); do
        add_module "$dep"
      done
      unpacked_module "$file" >"$root/modules/$name.ko"
      order+=("$name")
    }
    local m
    for m in "${guest_modules[@]}"; do add_module "$m"; done
    printf '%s\n' "${order[@]}" >"$root/modules/order"
    rm -rf "$vm/boot/download" "$vm/boot/kernel"
    echo "$package" >"$vm/boot/ready"
  fi
  if ! cmp -s "$top/scripts/vm-init.sh" "$root/init" || [ ! -f "$vm/boot/initrd.gz" ]; then
    cp "$top/scripts/vm-init.sh" "$root/init"
    chmod +x "$root/init"
    (cd "$root" && find . | /bin/busybox cpio -o -H newc 2>/dev/null) | gzip -1 >"$vm/boot/initrd.gz"
  fi
}

unpacked_module() {
  case $1 in
    *.ko.xz) xz -dc "$1" ;;
    *.ko.zst) zstd -dcq "$1" ;;
    *.ko.gz) gzip -dc "$1" ;;
    *) cat "$1" ;;
  esac
}

prepare_boot
mkdir -p "$vm"
run=$(mktemp -d "$vm/run.XXXXXX")
qemu_pid=""
tail_pids=()
end_run() {
  [ -n "$qemu_pid" ] && kill "$qemu_pid" 2>/dev/null || true
  local p
  for p in "${tail_pids[@]}"; do kill "$p" 2>/dev/null || true; done
  rm -f "$run/scratch.img"
  [ "${keep_run:-}" = 1 ] || rm -rf "$run"
}
trap end_run EXIT
trap 'exit 130' INT TERM

# The command, as the guest runs it: the caller's folder, a plain
# environment (no X) with the settings of ours, our own outputs.
{
  echo "cd $(printf %q "$PWD") || exit 126"
  echo "export PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin HOME=/root"
  echo "export LANG=C.UTF-8 HVT_IN_VM=1 HVT_VM_SCRATCH=/scratch/work-folder"
  while IFS= read -r name; do
    echo "export $name=$(printf %q "${!name}")"
  done < <(compgen -e | grep -E '^(HVT_|GTEST_|WINEDEBUG$|TZ$)' | grep -vE '^HVT_(VM_SCRATCH|IN_VM)$')
  printf 'exec'; printf ' %q' "$@"; echo
} >"$run/command.sh"
: >"$run/stdout"; : >"$run/stderr"

truncate -s 16G "$run/scratch.img"
mkfs.ext4 -q -F -O ^has_journal "$run/scratch.img"

# Software emulation with -cpu max without SMAP, whose emulation oopses the
# guest at every 32-bit process's return to user mode. KVM only when asked:
# where /dev/kvm is a nested one it can fail at the first processor
# register qemu sets.
accel=(-accel tcg,thread=multi) cpu=(-cpu "${HVT_VM_CPU:-max,-smap}")
if [ "${HVT_VM_ACCEL:-}" = kvm ]; then
  accel=(-accel kvm) cpu=(-cpu host)
fi
timeout_s=${HVT_VM_TIMEOUT:-3600}
# multidevs=remap: the shared / spans several
# devices (/proc, /sys, ...), whose inode numbers would collide.
timeout --kill-after=10 "$timeout_s" qemu-system-x86_64 \
  "${accel[@]}" "${cpu[@]}" -smp "$(nproc)" -m "${HVT_VM_MEMORY:-4096}" \
  -display none -monitor none -serial "file:$run/console.log" -no-reboot \
  -kernel "$vm/boot/vmlinuz" -initrd "$vm/boot/initrd.gz" \
  -append "console=ttyS0 loglevel=4 panic=-1 hvt.build=$out hvt.run=$run" \
  -fsdev local,id=root,path=/,security_model=none,readonly=on,multidevs=remap \
  -device virtio-9p-pci,fsdev=root,mount_tag=hostroot \
  -fsdev local,id=build,path="$out",security_model=none,multidevs=remap \
  -device virtio-9p-pci,fsdev=build,mount_tag=hostbuild \
  -fsdev local,id=run,path="$run",security_model=none \
  -device virtio-9p-pci,fsdev=run,mount_tag=hostrun \
  -drive file="$run/scratch.img",format=raw,if=virtio,cache=unsafe \
  </dev/null >"$run/qemu.log" 2>&1 &
qemu_pid=$!
# The command's outputs, passed on while it runs.
tail -n +1 -f --pid="$qemu_pid" "$run/stdout" &
tail_pids+=($!)
tail -n +1 -f --pid="$qemu_pid" "$run/stderr" >&2 &
tail_pids+=($!)
qemu_status=0
wait "$qemu_pid" || qemu_status=$?
qemu_pid=""
wait "${tail_pids[@]}" 2>/dev/null || true
tail_pids=()

if [ -f "$run/rc" ]; then
  exit "$(cat "$run/rc")"
fi
keep_run=1
if [ "$qemu_status" = 124 ] || [ "$qemu_status" = 137 ]; then
  echo "vm-i686: the VM was ended after ${timeout_s} s (HVT_VM_TIMEOUT); its console: $run/console.log" >&2
  exit 124
fi
echo "vm-i686: the command did not come back from the VM (qemu exit $qemu_status);" \
     "its console, $run/console.log, ends:" >&2
tail -n 20 "$run/console.log" "$run/qemu.log" >&2 2>/dev/null || true
exit 125
