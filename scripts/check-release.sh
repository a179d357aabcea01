#!/usr/bin/env bash
# Checks the release in dist/ as a user gets it: the zips' contents and
# architectures; the guides' text (headings, button names) and embedded
# fonts; then under Wine the installer run silently, the version and Help of
# every program in the installed folder and in both unpacked zips, in English
# and in Japanese, and an uninstall that leaves nothing behind.
# Usage: check-release.sh BUILD_DIR BUILD32_DIR (the x86_64 and i686 builds,
# whose release_e2e.exe drives the programs of the same architecture)
set -euo pipefail
ROOT=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "${1:-$ROOT/build/win}" && pwd)
build32=$(cd "${2:-$ROOT/build/win32}" && pwd)
cd "$ROOT"
source scripts/release-programs.sh
version=$(release_version)
work="$ROOT/build/release-check"
rm -rf "$work"; mkdir -p "$work"
fail() { echo "check-release: $*" >&2; exit 1; }
winpath() { echo "Z:${1//\//\\}"; }

# --- The zips: the same files for both architectures, programs of the right one.
expected_files() {
  { for p in $(release_programs); do echo "$p.EXE"; done
    echo imgscan.exe; echo README.txt; echo LICENSE.txt
    for g in $(release_guides); do guide_file "$g" en; guide_file "$g" ja; done; } | sort
}
for arch in x86_64 i686; do
  zip="dist/imagetools-$version-$arch.zip"
  [ -f "$zip" ] || fail "$zip is missing"
  unzip -q "$zip" -d "$work/$arch"
  folder="$work/$arch/imagetools-$version-$arch"
  [ "$(cd "$folder" && ls | sort)" = "$(expected_files)" ] || fail "$zip holds $(cd "$folder" && ls | xargs)"
  format=pei-x86-64; [ "$arch" = i686 ] && format=pei-i386
  for exe in "$folder"/*.EXE "$folder"/*.exe; do
    x86_64-w64-mingw32-objdump -f "$exe" | grep -q "file format $format" || fail "$exe is not $format"
  done
done
unpacked="$work/x86_64/imagetools-$version-x86_64"
unpacked32="$work/i686/imagetools-$version-i686"
echo "check-release: both zips hold $(expected_files | xargs)"

# --- The guides: every heading of their sources and the bar's names of their
# programs, in their language, with every font embedded.
labels() {  # labels PROGRAM 1|2: the hover labels in English (1) or Japanese (2)
  grep -rh -A8 'LabelText k[A-Za-z]*\[\] = {' "${1,,}"/ | sed '/^};/q' | grep -o '{"[^"]*", "[^"]*"}' |
    sed 's/^{"\(.*\)", "\(.*\)"}$/\1\t\2/' | cut -f"$2"
}
# pandoc prints an apostrophe as a typographic one (U+2019).
squeeze() { sed "s/\xe2\x80\x99/'/g" | tr -d ' \n\t\f'; }
for guide in $(release_guides); do
  for language in en ja; do
    pdf="$unpacked/$(guide_file "$guide" "$language")"
    column=1; [ "$language" = ja ] && column=2
    read -r -a sources <<<"$(guide_sources "$guide" "$language" | xargs)"
    text=$(pdftotext -enc UTF-8 "$pdf" - | squeeze)
    {
      sed -n 's/^title: //p' "${sources[0]}"
      grep -h '^#' "${sources[@]}" | sed 's/^#* *//'
      for p in $(release_programs_of_guide "$guide"); do labels "$p" "$column"; done
    } | while IFS= read -r expected; do
      [ -n "$expected" ] || continue
      grep -qF -- "$(printf '%s' "$expected" | squeeze)" <<<"$text" || fail "$(basename "$pdf") lacks \"$expected\""
    done
    [ "$(labels "$(release_programs_of_guide "$guide" | head -n 1)" "$column" | wc -l)" -ge 3 ] ||
      fail "no bar labels found in the sources of $guide's programs"
    fonts=$(pdffonts "$pdf" | tail -n +3)
    [ -n "$fonts" ] || fail "$(basename "$pdf") has no fonts"
    awk '{ if ($(NF-4) != "yes") bad = 1 } END { exit bad }' <<<"$fonts" || fail "$(basename "$pdf") has fonts not embedded"
    if [ "$language" = ja ]; then grep -q IPA <<<"$fonts" || fail "$(basename "$pdf") lacks its Japanese font"; fi
    echo "check-release: $(basename "$pdf"): $(pdfinfo "$pdf" | sed -n 's/^Pages: *//p') pages, headings, button names, fonts embedded"
  done
done

# --- Under Wine: install, run, uninstall.
source scripts/wine-env.sh
source scripts/wine-fonts.sh
export WINEDLLOVERRIDES="$WINEDLLOVERRIDES;winemenubuilder.exe=d"  # no menu entries on the Linux desktop
unset WINE_DISPLAY
wine_start
trap wine_stop EXIT
wine_japanese_fonts
installed="$WINEPREFIX/drive_c/Program Files/Image tools"
menu="$WINEPREFIX/drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs/Image tools"
uninstall_key='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\ImageTools'
rm -rf "$installed" "$menu"
wine64 reg delete "$uninstall_key" /f </dev/null >/dev/null 2>&1 || true

# run_programs FOLDER BUILD: every program of FOLDER in both languages, driven
# by BUILD's release_e2e.exe.
run_programs() {
  local folder=$1 driver=$2/tests/e2e/release_e2e.exe program guide language
  for program in $(release_programs); do
    guide=$(release_field "$program" 4)
    for language in en ja; do
      local locale=${LC_ALL:-C.UTF-8}; [ "$language" = ja ] && locale=ja_JP.UTF-8
      LC_ALL=$locale RELEASE_PROGRAM="$(winpath "$folder")\\$program.EXE" RELEASE_HELP=$(release_field "$program" 5) \
        RELEASE_GUIDE="$(winpath "$folder")\\$(guide_file "$guide" "$language")" RELEASE_VERSION=$version \
        E2E_WORK="$(winpath "$work")" wine64 "$driver" --gtest_brief=1 </dev/null ||
        fail "$program ($language) in $folder"
    done
  done
}

setup="dist/imagetools-$version-x86_64-setup.exe"
wine64 "$setup" /S </dev/null || fail "$setup /S failed"
[ "$(cd "$installed" && ls | sort)" = "$( (expected_files; echo Uninstall.exe) | sort)" ] ||
  fail "installed: $(cd "$installed" && ls | xargs)"
for program in $(release_programs); do
  [ -f "$menu/$(release_field "$program" 2).lnk" ] || fail "no Start-menu entry for $program"
done
[ -f "$menu/Uninstall Image tools.lnk" ] || fail "no Start-menu entry for the uninstaller"
wine64 reg query "$uninstall_key" </dev/null >/dev/null 2>&1 || fail "the uninstaller is not registered"
run_programs "$installed" "$build"
said=$(wine64 'C:\Program Files\Image tools\imgscan.exe' --version </dev/null | tr -d '\r')
[ "$said" = "imgscan $version" ] || fail "imgscan --version says \"$said\""
echo "check-release: installed silently; every program shows the version and opens its guides from Program Files"

run_programs "$unpacked" "$build"
run_programs "$unpacked32" "$build32"
said=$(wine64 "$unpacked32/imgscan.exe" --version </dev/null | tr -d '\r')
[ "$said" = "imgscan $version" ] || fail "the i686 imgscan --version says \"$said\""
echo "check-release: the unpacked zips' programs, x86_64 and i686, show the version and open their guides too"

wine64 "C:\\Program Files\\Image tools\\Uninstall.exe" /S </dev/null || fail "the uninstaller failed"
# The uninstaller works from a copy of itself in the temporary folder: wait for it.
for _ in $(seq 300); do [ -e "$installed" ] || break; sleep 0.1; done
[ ! -e "$installed" ] || fail "left behind: $(find "$installed" | xargs)"
[ ! -e "$menu" ] || fail "left behind: $(find "$menu" | xargs)"
! wine64 reg query "$uninstall_key" </dev/null >/dev/null 2>&1 || fail "the uninstall key is left behind"
echo "check-release: the uninstaller removed every file, folder, Start-menu entry and registry key"
