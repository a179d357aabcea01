# Sourced after wine_start: maps the Japanese font faces of the programs'
# dialogs and labels to the IPA fonts, in the prefix's registry.
wine_japanese_fonts() {
  local reg
  reg=$(mktemp --suffix=.reg)
  iconv -f UTF-8 -t UTF-16 "$ROOT/scripts/japanese-fonts.reg" >"$reg"
  wine64 regedit /S "Z:${reg//\//\\}" </dev/null >/dev/null 2>&1 || true
  rm -f "$reg"
}
