# Sourced: what packaging/programs.tsv says about the programs in the release.
RELEASE_TABLE=${RELEASE_TABLE:-$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)/packaging/programs.tsv}

# The rows without comments; `release_field PROGRAM N` is column N of its row.
release_rows() { grep -v '^#' "$RELEASE_TABLE" | grep -v '^[[:space:]]*$'; }
release_programs() { release_rows | cut -f1; }
release_field() { release_rows | awk -F'\t' -v p="$1" -v n="$2" '$1 == p { print $n }'; }
release_guides() { release_rows | cut -f4 | awk '!seen[$0]++'; }
release_programs_of_guide() { release_rows | awk -F'\t' -v g="$1" '$4 == g { print $1 }'; }
# TORMALE_ and en give TORMALE_E.PDF; the guide's opening part is docs/guides/LANGUAGE/tormale.md.
guide_file() { if [ "$2" = ja ]; then echo "${1}J.PDF"; else echo "${1}E.PDF"; fi; }
guide_source() { local stem=${1%_}; echo "${stem,,}"; }
# The one version number of the build.
release_version() {
  sed -n 's/^project(imagetools VERSION \([0-9.]*\).*/\1/p' "$(dirname "$RELEASE_TABLE")/../CMakeLists.txt"
}
# The Markdown sources of a guide in one language, in order: its opening part,
# the part all guides share, the chapter of each of its programs.
guide_sources() {
  local dir=docs/guides/$2
  echo "$dir/$(guide_source "$1").md" "$dir/shared.md"
  for program in $(release_programs_of_guide "$1"); do echo "$dir/${program,,}.md"; done
}
