#!/usr/bin/env bash
# Builds the user guides, the PDF files that the programs' Help buttons open,
# from docs/guides: for each guide named in packaging/programs.tsv and each
# language, the guide's opening part followed by the chapter of every program
# that uses it, illustrated with the screenshots of the end-to-end sessions.
# pandoc turns the Markdown into HTML, WeasyPrint the HTML into PDF (with the
# fonts embedded). Usage: guides.sh SHOTS_DIR OUT_DIR
set -euo pipefail
ROOT=$(cd "$(dirname "$0")/.." && pwd)
shots=$(cd "$1" && pwd)
mkdir -p "$2"
out=$(cd "$2" && pwd)
cd "$ROOT"
source scripts/release-programs.sh
guides_dir=docs/guides

# The pictures: screenshots cropped to the windows on Xvfb's black screen,
# and the bar buttons as the programs draw them.
pictures="$out/pictures"
rm -rf "$pictures"; mkdir -p "$pictures/buttons"
for shot in "$shots"/*.png; do
  convert "$shot" -bordercolor black -border 1 -trim +repage "$pictures/$(basename "$shot")"
done
for button in resources/art/buttons/*Up.bmp; do
  name=$(basename "$button" Up.bmp)
  case $name in *[98X]) continue ;; esac  # one family is enough
  convert "$button" "$pictures/buttons/$name.png"
done

version=$(release_version)
for guide in $(release_guides); do
  for language in en ja; do
    read -r -a sources <<<"$(guide_sources "$guide" "$language" | xargs)"
    # Every picture a source names must exist: a guide never ships with a hole.
    for picture in $(grep -ho '](pictures/[^)]*)' "${sources[@]}" | sed 's/^](//; s/)$//' | sort -u); do
      [ -f "$out/$picture" ] || { echo "guides: $picture (named in ${sources[*]}) is missing" >&2; exit 1; }
    done
    pdf="$out/$(guide_file "$guide" "$language")"
    html="${pdf%.PDF}.html"
    # One document; {{guide}} in the text is the guide's own name.
    for source in "${sources[@]}"; do sed "s/{{guide}}/$guide/g" "$source"; echo; done >"${pdf%.PDF}.md"
    pandoc --from markdown+east_asian_line_breaks --to html5 --standalone --toc --toc-depth 2 \
      --template "$guides_dir/guide.html" --metadata version="$version" \
      --output "$html" "$guides_dir/$language/labels.yaml" "${pdf%.PDF}.md"
    weasyprint --base-url "$out/" --stylesheet "$guides_dir/guide.css" "$html" "$pdf"
    echo "guides: $pdf"
  done
done
