#!/usr/bin/env bash
# Runs the end-to-end sessions of the programs under Wine in its own Xvfb
# display, in English and in Japanese, and converts the screenshots that the
# sessions took to PNG. Usage: run-e2e.sh BUILD_DIR (the Windows build);
# E2E_DRIVERS chooses the drivers (default: all), E2E_FILTER the sessions
# (a gtest filter; E2E_JAPANESE=0 leaves out the Japanese run).
set -euo pipefail
ROOT=$(cd "$(dirname "$0")/../.." && pwd)
build=$(cd "${1:-$ROOT/build/win}" && pwd)
work="$build/e2e-work"
rm -rf "$work"; mkdir -p "$work/shots"
cp "$build/cli/imgscan.exe" "$work/sample.exe"
cp "$build/veskarin/VESKARIN.exe" "$work/VESKARIN.EXE"
cp "$build/mordelix/MORDELIX.exe" "$work/MORDELIX.EXE"
cp "$build/zandovir/ZANDOVIR.exe" "$work/ZANDOVIR.EXE"
cp "$build/peltrane/PELTRANE.exe" "$work/PELTRANE.EXE"
# The bitmap inspector opens a real library of sample bitmaps (tests/e2e/bitmaps).
cp "$build/tests/e2e/sample_bitmaps.dll" "$work/"
cp -r "$ROOT/tests/e2e/bitmaps" "$work/bitmaps"
# A real program with classic, 32-bit and PNG icons, where Wine has one.
cp /usr/lib/x86_64-linux-gnu/wine/x86_64-windows/notepad.exe "$work/" 2>/dev/null || true
# Signed copies (a certificate made here) for the sessions that change a
# signed file: afterwards the changed copies must not verify, their backups
# must verify and be the signed originals.
if command -v osslsigncode >/dev/null && command -v openssl >/dev/null; then
  openssl req -x509 -newkey rsa:2048 -nodes -keyout "$work/key.pem" -out "$work/cert.pem" -days 2 \
    -subj "/CN=image tools test signer" >/dev/null 2>&1
  for pair in sample.exe:signed.exe sample_bitmaps.dll:signed_bitmaps.dll; do
    osslsigncode sign -certs "$work/cert.pem" -key "$work/key.pem" -in "$work/${pair%%:*}" -out "$work/${pair##*:}" >/dev/null
  done
fi

source "$ROOT/scripts/wine-env.sh"
source "$ROOT/scripts/wine-fonts.sh"
unset WINE_DISPLAY
wine_start
trap wine_stop EXIT
wine_japanese_fonts
# Drive R: is a CD-ROM holding copies of the program and of a file to open:
# the programs must refuse to run from it, open from it and save to it.
mkdir -p "$work/cdrom"
cp "$work/VESKARIN.EXE" "$work/MORDELIX.EXE" "$work/ZANDOVIR.EXE" "$work/PELTRANE.EXE" "$work/sample.exe" \
  "$work/sample_bitmaps.dll" "$work/cdrom/"
ln -sfn "$work/cdrom" "$WINEPREFIX/dosdevices/r:"
wine64 reg add 'HKLM\Software\Wine\Drives' /v 'r:' /t REG_SZ /d cdrom /f </dev/null >/dev/null 2>&1
# The desktop has no PDF viewer: Help must say so (Wine's own prefix sends
# PDF files to its browser).
wine64 reg delete 'HKLM\Software\Classes\.pdf' /f </dev/null >/dev/null 2>&1 || true
wineserver -k; wineserver -p  # the drive types are read when Wine starts
wine64 cmd /c exit </dev/null >/dev/null 2>&1 || true
winpath() { echo "Z:${1//\//\\}"; }
export VESKARIN_EXE=$(winpath "$work/VESKARIN.EXE") E2E_WORK=$(winpath "$work")
export MORDELIX_EXE=$(winpath "$work/MORDELIX.EXE") ZANDOVIR_EXE=$(winpath "$work/ZANDOVIR.EXE")
export PELTRANE_EXE=$(winpath "$work/PELTRANE.EXE")
export WINEDEBUG=-all
status=0
for driver in ${E2E_DRIVERS:-veskarin peltrane gallery}; do
  wine64 "$build/tests/e2e/${driver}_e2e.exe" --gtest_filter="${E2E_FILTER:--Japanese.*:Demo.*:Bench.*}" </dev/null || status=1
  if [ "${E2E_JAPANESE:-1}" = 1 ]; then
    LC_ALL=ja_JP.UTF-8 wine64 "$build/tests/e2e/${driver}_e2e.exe" --gtest_filter="Japanese.*" </dev/null || status=1
  fi
done
wine_stop
trap - EXIT
verifies() { osslsigncode verify -CAfile "$work/cert.pem" -in "$1" >/dev/null 2>&1; }
for changed in signedreplace signedpalette; do
  [ -f "$work/$changed.000" ] || continue  # the session was left out
  if verifies "$work/$changed.dll" || ! verifies "$work/$changed.000" || ! cmp -s "$work/$changed.000" "$work/signed_bitmaps.dll"; then
    echo "$changed.dll: the change must break the signature, the backup keep it"; status=1
  fi
done
for shot in "$work"/shots/*.bmp; do
  [ -e "$shot" ] && convert "$shot" "${shot%.bmp}.png" && rm "$shot"
done
echo "e2e screenshots: $work/shots"
exit $status
