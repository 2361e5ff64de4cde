#!/bin/busybox sh
# /init of the VM that scripts/vm-i686.sh boots: the machine's own root
# filesystem (read-only, over 9p) under an overlay whose writes go to the
# run's own disk, the build folder writable at its own path, then the
# command of the run as root; at the end the VM powers off, whatever
# happened.
/bin/busybox --install -s /bin
export PATH=/bin
mount -t proc proc /proc
mount -t sys sysfs /sys 2>/dev/null || mount -t sysfs sysfs /sys
mount -t devtmpfs devtmpfs /dev

off() {
  sync
  echo o >/proc/sysrq-trigger
  sleep 10
}
fail() {
  echo "vm-init: $*"
  off
}

for m in $(cat /modules/order); do
  insmod "/modules/$m.ko" || fail "insmod $m"
done
for word in $(cat /proc/cmdline); do
  case $word in
    hvt.build=*) build=${word#hvt.build=} ;;
    hvt.run=*) run=${word#hvt.run=} ;;
  esac
done

mount -t 9p -o ro,trans=virtio,version=9p2000.L,msize=524288,cache=loose hostroot /ro \
  || fail "mounting the machine's root"
mount -t ext4 /dev/vda /scratch || fail "mounting the run's disk"
mkdir -p /scratch/up /scratch/work /scratch/work-folder
mount -t overlay -o lowerdir=/ro,upperdir=/scratch/up,workdir=/scratch/work overlay /newroot \
  || fail "mounting the overlay"
mount -t 9p -o trans=virtio,version=9p2000.L,msize=524288,cache=loose hostbuild "/newroot$build" \
  || fail "mounting the build folder"
# The run's own folder without caching, so that the command's output
# reaches the machine as it is written.
mount -t 9p -o trans=virtio,version=9p2000.L hostrun "/newroot$run" || fail "mounting the run's folder"
mount -t proc proc /newroot/proc
mount -t sysfs sysfs /newroot/sys
mount -t devtmpfs devtmpfs /newroot/dev
mkdir -p /newroot/dev/pts /newroot/dev/shm
mount -t devpts devpts /newroot/dev/pts
mount -t tmpfs tmpfs /newroot/dev/shm
mount -t tmpfs tmpfs /newroot/run
mkdir -p /newroot/scratch
mount -o bind /scratch /newroot/scratch
# /tmp stays the machine's, under the overlay: a checkout may live there.

chroot /newroot /bin/bash -c "bash '$run/command.sh' >'$run/stdout' 2>'$run/stderr' </dev/null; echo \$? >'$run/rc.part'; mv '$run/rc.part' '$run/rc'"
off
