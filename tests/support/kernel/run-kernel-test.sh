#!/bin/bash
# Boots Debian's kernel under qemu with a guest program in a busybox initramfs, and checks it:
#   run-kernel-test.sh MODE KERNEL_DIR WORK_DIR GUEST [ZYLOX]
# The guest runs as /bin/guest, zylox (where given) as /bin/zylox; the test passes when the guest
# passes and the mode's own check on the host does. The modes:
#   virmidi   snd-virmidi loaded; the script checks the name a VirMIDI port is listed under.
#   serial    snd-serial-u16550 on the second UART, whose bytes leave through a 3125 bytes-per-second
#             pipe (throttle.py) into a file; "GUEST --check" must find in the file exactly what
#             the guest put on the wire, apart from the driver's port selects.
#   usb       a USB MIDI gadget on the dummy USB controller, driven by snd-usb-audio on the host
#             side; the guest unplugs and replugs it through configfs.
#   usbtwins  two dummy USB controllers, each with a USB MIDI gadget of the same strings.
#   aloop     snd-aloop loaded, with "default" going straight to its first playback device.
#   kit       snd-virmidi, snd-dummy and two snd-aloop cards loaded, "default" as for aloop: a
#             controller's notes to sound.
# Tests declare themselves with zylox_add_kernel_test (tests/CMakeLists.txt). KERNEL_DIR is
# Debian's kernel package unpacked (scripts/install-deps.sh fetches it); without it the test is
# skipped (status 77) and says why.
set -euo pipefail
mode=$1 kernel=$2 work=$3 guest=$4 zylox=${5:-}
here=$(cd "$(dirname "$0")" && pwd)
if [ ! -d "$kernel/boot" ] || [ ! -d "$kernel/lib/modules" ]; then
  echo "skipped: no kernel in $kernel (scripts/install-deps.sh fetches Debian's kernel package;" \
    "scripts/fetch-kernel.sh $(dirname "$kernel") unpacks it there)"
  exit 77
fi
python=/usr/bin/python3
started=$(date +%s%N)
lap() { local tenths=$((($(date +%s%N) - started) / 100000000)); echo "$mode: $((tenths / 10)).$((tenths % 10)) s $*"; }

version=$(ls "$kernel/lib/modules")
modules=$kernel/lib/modules/$version/kernel
case $mode in
  virmidi) wanted="snd-seq snd-seq-dummy snd-virmidi" ;;
  serial) wanted="snd-seq snd-seq-midi snd-serial-u16550" ;;
  usb | usbtwins) wanted="snd-seq snd-seq-midi dummy_hcd libcomposite usb_f_midi snd-usb-audio" ;;
  aloop) wanted="snd-aloop" ;;
  kit) wanted="snd-seq snd-virmidi snd-dummy snd-aloop" ;;
  *) echo "unknown mode $mode"; exit 2 ;;
esac

rm -rf "$work" && mkdir -p "$work" && cd "$work"
root=rootfs
mkdir -p $root/bin $root/dev $root/proc $root/sys $root/tmp $root/mods $root/usr/share/alsa
cp /bin/busybox $root/bin/
cp "$guest" $root/bin/guest
programs=("$guest")
if [ -n "$zylox" ]; then cp "$zylox" $root/bin/zylox && programs+=("$zylox"); fi
# snd_seq_open cannot work without ALSA's configuration
cp /usr/share/alsa/alsa.conf $root/usr/share/alsa/
if [ "$mode" = aloop ] || [ "$mode" = kit ]; then
  # The card's own default mixes and scales in software, which changes the bytes.
  mkdir -p $root/etc
  printf 'pcm.!default { type plug slave.pcm "hw:Loopback,0,0" }\n' > $root/etc/asound.conf
fi
for library in $(ldd "${programs[@]}" | grep -v ':$' | grep -o '/[^ ]*' | sort -u); do
  mkdir -p "$root$(dirname "$library")" && cp -L "$library" "$root$library"
done
# The package has no modules.dep: follow each module's depends= instead.
order=""
add() {
  local file dependency
  file=$(find "$modules" -name "${1//_/-}.ko" -o -name "${1//-/_}.ko" | head -1)
  [ -n "$file" ] || { echo "module $1 missing from $version"; exit 1; }
  case " $order " in *" $file "*) return ;; esac
  for dependency in $(strings "$file" | sed -n 's/^depends=//p' | tr , ' '); do add "$dependency"; done
  order="$order $file"
}
for module in $wanted; do add "$module"; done
for file in $order; do cp "$file" $root/mods/ && basename "$file" >> $root/mods/order; done

cat > $root/init <<'INIT'
#!/bin/busybox sh
/bin/busybox --install -s /bin
export PATH=/bin
mount -t proc proc /proc; mount -t sysfs sys /sys; mount -t devtmpfs dev /dev
mode=$(sed -n 's/.*zylox_mode=\([a-z]*\).*/\1/p' /proc/cmdline)
if [ "$mode" = serial ]; then
  # The kernel's own serial driver holds the second UART; the MIDI driver needs it.
  for device in /sys/bus/pnp/devices/*; do
    grep -q 'io 0x2f8' "$device/resources" 2>/dev/null && echo "${device##*/}" > /sys/bus/pnp/drivers/serial/unbind
  done
fi
for module in $(cat /mods/order); do
  case $module in
    # adaptor=1 (MS-124T) oopses on the first channel message: its port index starts at -1.
    snd-serial-u16550.ko) parameters="port=0x2f8 irq=3 speed=38400 adaptor=4" ;;
    # Two controllers, dummy_udc.0 and dummy_udc.1, for two identical interfaces.
    dummy_hcd.ko) [ "$mode" = usbtwins ] && parameters="num=2" || parameters="" ;;
    # Two cards for the pads: one moved by the kernel's tick, one by the dummy card's periods.
    snd-aloop.ko) [ "$mode" = kit ] && parameters="enable=1,1" || parameters="" ;;
    *) parameters="" ;;
  esac
  insmod /mods/$module $parameters || echo "insmod $module failed"
done
if [ "$mode" = usb ] || [ "$mode" = usbtwins ]; then
  # The gadget side of a USB MIDI cable; the host side enumerates it once it is bound. Twins have
  # the same strings, each on a controller of its own.
  mount -t configfs none /sys/kernel/config
  udcs=dummy_udc.0
  [ "$mode" = usbtwins ] && udcs="dummy_udc.0 dummy_udc.1"
  n=1
  for udc in $udcs; do
    g=/sys/kernel/config/usb_gadget/g$n
    mkdir $g
    echo 0x1d6b >$g/idVendor; echo 0x0104 >$g/idProduct; echo 0x0200 >$g/bcdUSB
    mkdir $g/strings/0x409 $g/configs/c.1 $g/configs/c.1/strings/0x409
    echo Test >$g/strings/0x409/manufacturer; echo "Test USB MIDI" >$g/strings/0x409/product
    echo MIDI >$g/configs/c.1/strings/0x409/configuration
    mkdir $g/functions/midi.usb0
    ln -s $g/functions/midi.usb0 $g/configs/c.1/
    echo $udc >$g/UDC
    n=$((n + 1))
  done
fi
echo "guest starts at $(cut -d' ' -f1 /proc/uptime) s"
if /bin/guest; then result=PASS; else result=FAIL; fi
dmesg | grep -i overrun
# Let the last bytes leave the UART before the machine goes.
[ "$mode" = serial ] && sleep 3
echo "ZYLOX-KERNEL-TEST: $result"
poweroff -f
INIT
chmod +x $root/init
(cd $root && find . | busybox cpio -o -H newc -R 0:0 2>/dev/null) | gzip -1 > initramfs.cpio.gz
lap "initramfs ready ($(stat -c %s initramfs.cpio.gz) bytes, modules:$(tr '\n' ' ' < $root/mods/order))"

serial=()
if [ "$mode" = serial ]; then
  mkfifo wire.in wire.out
  $python "$here/throttle.py" wire.out wire.bin 3125 > throttle.txt & throttle=$!
  serial=(-chardev "pipe,id=wire,path=$work/wire" -serial mon:stdio -serial chardev:wire)
fi
# Software emulation: KVM is not everywhere, and not every KVM boots this kernel.
timeout 400 qemu-system-x86_64 -accel tcg -m 256M -smp 1 -nographic -no-reboot -nic none "${serial[@]}" \
  -kernel "$kernel/boot/vmlinuz-$version" -initrd initramfs.cpio.gz \
  -append "console=ttyS0 panic=-1 quiet zylox_mode=$mode" </dev/null | tr -d '\r' > console.txt || true
lap "machine off"
sed -n '/guest starts/,$p' console.txt
grep -q '^ZYLOX-KERNEL-TEST: PASS' console.txt
if [ "$mode" = virmidi ]; then
  # The name the editor shows: manufacturer (the card), port; the model is the client's name.
  grep -q '^destination [0-9]*: VirMIDI: VirMIDI 0-0 (Virtual Raw MIDI 0-0)$' console.txt
fi

if [ "$mode" = serial ]; then
  wait $throttle
  cat throttle.txt
  "$guest" --check wire.bin
fi
