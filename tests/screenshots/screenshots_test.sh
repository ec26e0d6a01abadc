#!/usr/bin/env bash
# kvitmark-screenshots on the offscreen platform: it makes every picture the documentation
# and the AppStream metadata show, in both languages, each a PNG of the whole window, and
# nothing docs/screenshots does not hold.
#   screenshots_test.sh TOOL SOURCE_DIR
set -euo pipefail
tool="$1"
source_dir="$2"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
shots="$work/shots"

fail() {
  echo "FAIL: $*" >&2
  exit 1
}

"$tool" "$shots" >"$work/log" 2>&1 || fail "kvitmark-screenshots failed: $(cat "$work/log")"

# png_size FILE: WIDTHxHEIGHT from the header, or nothing when FILE is no PNG.
png_size() {
  [ "$(head -c 8 "$1" | od -An -tx1 | tr -d ' \n')" = 89504e470d0a1a0a ] || return 0
  local b
  read -r -a b <<<"$(od -An -tu1 -j 16 -N 8 "$1")"
  echo "$(((b[0] << 24) | (b[1] << 16) | (b[2] << 8) | b[3]))x$(((b[4] << 24) | (b[5] << 16) | (b[6] << 8) | b[7]))"
}

# The pictures the pages link to and the metadata names, by their file names.
wanted="$({ grep -sohE 'screenshots/[A-Za-z0-9_.-]+\.png' "$source_dir"/README*.md \
  "$source_dir"/docs/*.md "$source_dir"/packaging/*.metainfo.xml || true; } | sed 's|.*/||' | sort -u)"
[ -n "$wanted" ] || fail "no page links to a screenshot"
for page in main operators parameters logo logo-preview reports; do
  wanted+=$'\n'"$page-ru.png"$'\n'"$page-uk.png"
done
for name in $wanted; do
  [ -f "$shots/$name" ] || fail "$name is not made"
done

# The design area is 776 × 541; the menu bar and the status bar add to its height, and a
# language whose captions are wider makes the whole window larger.
for language in ru uk; do
  window="$(png_size "$shots/main-$language.png")"
  [ -n "$window" ] || fail "main-$language.png is no PNG"
  if [ "${window%x*}" -lt 776 ] || [ "${window#*x}" -le 541 ]; then
    fail "main-$language.png is $window, not the window"
  fi
  for picture in "$shots"/*-"$language".png; do
    name="$(basename "$picture")"
    case "$name" in logo-preview-*) continue ;; esac
    [ "$(png_size "$picture")" = "$window" ] || fail "$name is $(png_size "$picture"), not $window"
  done
done

cmp -s "$shots/main-ru.png" "$shots/main-uk.png" && fail "the Ukrainian window looks as the Russian"

made="$(cd "$shots" && ls -- *.png)"
committed="$(cd "$source_dir/docs/screenshots" && ls -- *.png)"
[ "$made" = "$committed" ] ||
  fail "docs/screenshots holds ${committed//$'\n'/ }, the tool makes ${made//$'\n'/ }: run scripts/screenshots"
echo "ok: $(echo "$made" | wc -l) pictures"
