#!/usr/bin/env bash
# Installs what the build and the tests need on a Debian machine, once.
# With package names (scripts/run.sh): only those, and no Japanese locale.
set -euo pipefail

SUDO=""; [ "$(id -u)" -ne 0 ] && SUDO=sudo
# 32-bit Windows programs run in Debian's 32-bit Wine (wine32, of the i386
# architecture) beside the 64-bit one.
if [ $# -eq 0 ] && ! dpkg --print-foreign-architectures | grep -qx i386; then
  $SUDO dpkg --add-architecture i386
fi
packages=(cmake ninja-build make g++ googletest libbenchmark-dev g++-mingw-w64-x86-64-posix g++-mingw-w64-i686-posix wine64 wine32:i386 xvfb
          fonts-wine fonts-ipafont-gothic locales imagemagick clang libclang-rt-14-dev python3
          libstb-dev osslsigncode openssl
          pandoc weasyprint fonts-dejavu-core poppler-utils nsis zip unzip)
if [ $# -gt 0 ]; then packages=("$@"); fi
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "setup: installing ${missing[*]}"
  $SUDO apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi
# The Japanese runs under Wine need the ja_JP.UTF-8 locale.
if [ $# -eq 0 ] && ! locale -a 2>/dev/null | grep -qi '^ja_JP.utf8$'; then
  $SUDO sed -i 's/^# *ja_JP.UTF-8/ja_JP.UTF-8/' /etc/locale.gen
  $SUDO locale-gen >/dev/null
fi
if [ $# -eq 0 ]; then bash "$(dirname "$0")/setup-i386.sh"; fi
