#!/usr/bin/env bash
# Builds the release in dist/: one zip per Windows architecture (x86_64 and
# i686) holding the programs of packaging/programs.tsv, imgscan.exe, the
# guides, a read-me and the licence side by side, and a 64-bit installer made
# with NSIS. Builds what is missing: the two Windows builds, the end-to-end
# sessions' screenshots and the guides (reused when already there).
set -euo pipefail
ROOT=$(cd "$(dirname "$0")/.." && pwd)
cd "$ROOT"
source scripts/release-programs.sh
version=$(release_version)
dist="$ROOT/dist"
stage_root="$ROOT/build/package"
jobs=$(nproc)

step() { printf '\n== package: %s\n' "$*"; }

# build_windows DIR TOOLCHAIN: the programs and imgscan.exe of one architecture.
build_windows() {
  local dir=$1 toolchain=$2 targets=(imgscan)
  for program in $(release_programs); do targets+=("$program"); done
  if [ ! -f "$dir/CMakeCache.txt" ]; then
    cmake -S . -B "$dir" -G Ninja -DCMAKE_TOOLCHAIN_FILE="cmake/$toolchain" -DIMG_TESTS=OFF -DIMG_BENCH=OFF >/dev/null
  fi
  cmake --build "$dir" -j "$jobs" --target "${targets[@]}"
}

# The programs' lines of the read-me: program_lines NAME_COLUMN ROLE_COLUMN FORMAT.
program_lines() {
  for program in $(release_programs); do
    printf "  %-15s $3\n" "$program.EXE" "$(release_field "$program" "$1")" "$(release_field "$program" "$2")"
  done
}

# stage ARCH BUILD_DIR: the release's files of one architecture in one folder.
stage() {
  local arch=$1 build=$2 folder="$stage_root/imagetools-$version-$1"
  rm -rf "$folder"; mkdir -p "$folder"
  for program in $(release_programs); do
    cp "$build/${program,,}/$program.exe" "$folder/$program.EXE"
  done
  cp "$build/cli/imgscan.exe" "$folder/imgscan.exe"
  "$arch-w64-mingw32-strip" "$folder"/*.EXE "$folder/imgscan.exe"
  for guide in $(release_guides); do
    cp "build/guides/$(guide_file "$guide" en)" "build/guides/$(guide_file "$guide" ja)" "$folder/"
  done
  # Text files for Notepad: CRLF, and UTF-8 with its mark for the Japanese half.
  {
    printf '\xEF\xBB\xBF'
    sed -e "s/@VERSION@/$version/" packaging/README.txt |
      awk -v en="$(program_lines 2 6 '%s, %s')" -v ja="$(program_lines 3 7 '%s (%s)')" \
        '$0 == "@PROGRAMS_EN@" { print en; next } $0 == "@PROGRAMS_JA@" { print ja; next } { print }'
  } | sed 's/$/\r/' >"$folder/README.txt"
  cat LICENSE packaging/third-party.txt | sed 's/$/\r/' >"$folder/LICENSE.txt"
  echo "$folder"
}

# zip_folder FOLDER: dist/FOLDER-NAME.zip, the folder at its top.
zip_folder() {
  local name
  name=$(basename "$1")
  rm -f "$dist/$name.zip"
  (cd "$(dirname "$1")" && zip -q -r -X "$dist/$name.zip" "$name")
}

# installer FOLDER: dist/imagetools-VERSION-x86_64-setup.exe installing FOLDER's files.
installer() {
  local folder=$1 macros="$stage_root/programs.nsh" files
  files=$(cd "$folder" && ls)
  {
    echo '!macro InstallFiles'
    for f in $files; do echo "  File \"$folder/$f\""; done
    echo '!macroend'
    echo '!macro RemoveFiles'
    for f in $files; do echo "  Delete \"\$INSTDIR\\$f\""; done
    echo '!macroend'
    echo '!macro AddShortcuts'
    for p in $(release_programs); do
      echo "  CreateShortCut \"\${MENU}\\$(release_field "$p" 2).lnk\" \"\$INSTDIR\\$p.EXE\""
    done
    echo '!macroend'
    echo '!macro RemoveShortcuts'
    for p in $(release_programs); do echo "  Delete \"\${MENU}\\$(release_field "$p" 2).lnk\""; done
    echo '!macroend'
  } >"$macros"
  makensis -V2 -DVERSION="$version" -DSTAGE="$folder" -DPROGRAMS="$macros" \
    -DOUTFILE="$dist/imagetools-$version-x86_64-setup.exe" packaging/installer.nsi
}

step "Windows builds (x86_64, i686)"
build_windows build/win mingw-w64-posix.cmake
build_windows build/win32 mingw-w64-i686-posix.cmake

shots=build/win/e2e-work/shots
if ! ls "$shots"/*.png >/dev/null 2>&1; then
  step "screenshots for the guides: the end-to-end sessions"
  cmake -S . -B build/win -DIMG_TESTS=ON >/dev/null
  cmake --build build/win -j "$jobs"
  bash tests/e2e/run-e2e.sh build/win
fi

step "guides"
bash scripts/guides.sh "$shots" build/guides

step "zips and installer"
mkdir -p "$dist"
zip_folder "$(stage x86_64 build/win)"
zip_folder "$(stage i686 build/win32)"
installer "$stage_root/imagetools-$version-x86_64"
ls -l "$dist"
