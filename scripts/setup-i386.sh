#!/usr/bin/env bash
# Wine's 32-bit loader is a 32-bit Linux program. Some virtual machines'
# kernels run none ("Exec format error", and no 32-bit code segment either);
# there qemu's user-mode emulator runs them, registered with the kernel for
# 32-bit x86 programs. Debian 12's own qemu (7.2) ignores the addresses Wine
# asks for when it reserves its memory, so that each 32-bit Wine process
# takes minutes to start; the qemu 10 of its backports does not.
set -euo pipefail
SUDO=""; [ "$(id -u)" -ne 0 ] && SUDO=sudo
binfmt=/proc/sys/fs/binfmt_misc
probe=/usr/lib/wine/wineserver32  # a 32-bit Linux program of wine32

if [ ! -e "$binfmt/qemu-i386" ] && "$probe" --version >/dev/null 2>&1; then
  exit 0  # the kernel runs 32-bit programs itself
fi

qemu_major() { qemu-i386 --version 2>/dev/null | sed -n 's/^qemu-i386 version \([0-9]*\)\..*/\1/p'; }
qemu_recent() { local v; v=$(qemu_major); [ -n "$v" ] && [ "$v" -ge 10 ]; }

if ! qemu_recent; then
  codename=$(. /etc/os-release && echo "$VERSION_CODENAME")
  # The backports suite from the archive the machine already uses.
  archive=$(apt-cache policy | awk -v suite="$codename/main" '$3 == suite { print $2; exit }')
  list=/etc/apt/sources.list.d/$codename-backports.sources
  if [ -n "$archive" ] && [ ! -f "$list" ]; then
    printf 'Types: deb\nURIs: %s\nSuites: %s-backports\nComponents: main\nSigned-By: /usr/share/keyrings/debian-archive-keyring.gpg\n' \
      "$archive" "$codename" | $SUDO tee "$list" >/dev/null
  fi
  echo "setup: installing qemu-user from $codename-backports (32-bit programs under emulation)"
  $SUDO apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends -t "$codename-backports" \
    qemu-user >/dev/null
  qemu_recent || { echo "setup: qemu-user 10 or later is needed to run 32-bit Wine here" >&2; exit 1; }
  # A registration holds the emulator it was made with: made again.
  [ -e "$binfmt/qemu-i386" ] && echo -1 | $SUDO tee "$binfmt/qemu-i386" >/dev/null
fi

if [ ! -e "$binfmt/register" ]; then
  $SUDO mount -t binfmt_misc binfmt_misc "$binfmt"
fi
if [ ! -e "$binfmt/qemu-i386" ]; then
  # 32-bit x86 ELF executables and position-independent ones; F: the
  # emulator is opened now, so it serves every later process.
  magic='\x7fELF\x01\x01\x01\x00\x00\x00\x00\x00\x00\x00\x00\x00\x02\x00\x03\x00'
  mask='\xff\xff\xff\xff\xff\xfe\xfe\x00\xff\xff\xff\xff\xff\xff\xff\xff\xfe\xff\xff\xff'
  echo ":qemu-i386:M::$magic:$mask:$(command -v qemu-i386):F" | $SUDO tee "$binfmt/register" >/dev/null
fi
"$probe" --version >/dev/null 2>&1 || { echo "setup: 32-bit programs do not run, even under qemu" >&2; exit 1; }
