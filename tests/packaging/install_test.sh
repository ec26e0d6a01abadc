#!/usr/bin/env bash
# `cmake --install` of a build tree: the three programs, the desktop launcher, its entry,
# icon and AppStream metadata where a desktop looks for them, the manual pages where man finds
# them, kvitmark-cli's completion where bash and zsh load it, the licence and a changelog of
# the version built, and the entry starting Kvitmark in a working folder of the user's own,
# where it creates its settings file.
#   install_test.sh BUILD_DIR
set -euo pipefail
build="$1"
prefix="$(mktemp -d)"
trap 'rm -rf "$prefix"' EXIT

fail() {
  echo "FAIL: $*" >&2
  exit 1
}

cmake --install "$build" --prefix "$prefix" >/dev/null

for program in kvitmark kvitmark-cli kvitmark-sim kvitmark-desktop; do
  [ -x "$prefix/bin/$program" ] || fail "bin/$program not installed"
done
entry="$prefix/share/applications/kvitmark.desktop"
[ -f "$entry" ] || fail "desktop entry not installed"
icon="$(sed -n 's/^Icon=//p' "$entry")"
[ -f "$prefix/share/icons/hicolor/scalable/apps/$icon.svg" ] || fail "icon '$icon' not installed"
exec_line="$(sed -n 's/^Exec=//p' "$entry")"
[ -x "$prefix/bin/${exec_line%% *}" ] || fail "Exec=$exec_line is not an installed program"
grep -qx 'Type=Application' "$entry" || fail "entry is not an application"
grep -qx 'Terminal=false' "$entry" || fail "entry opens a terminal"

for program in kvitmark kvitmark-cli kvitmark-sim kvitmark-desktop; do
  page="$prefix/share/man/man1/$program.1.gz"
  gzip -t "$page" 2>/dev/null || fail "no compressed manual page $page"
  # man-db looks beside each folder of PATH, so `man kvitmark-cli` finds the page of any
  # prefix whose bin/ is on the PATH.
  found="$(env -u MANPATH PATH="$prefix/bin:$PATH" man -w "$program" 2>/dev/null)" || true
  [ "$found" = "$page" ] || fail "man $program finds '$found', not $page"
done
[ -f "$prefix/share/bash-completion/completions/kvitmark-cli" ] ||
  fail "bash completion not where bash-completion loads it for kvitmark-cli"
head -1 "$prefix/share/zsh/vendor-completions/_kvitmark-cli" | grep -qx '#compdef kvitmark-cli' ||
  fail "zsh completion not installed for kvitmark-cli"

metainfo="$(ls "$prefix"/share/metainfo/*.metainfo.xml)"
grep -q "<launchable type=\"desktop-id\">kvitmark.desktop</launchable>" "$metainfo" ||
  fail "$metainfo does not launch the installed desktop entry"
# The metadata and the desktop entry together, as software centres read them.
appstreamcli validate-tree --no-net "$prefix" >"$prefix/appstream.log" 2>&1 ||
  fail "appstreamcli finds fault with the installed metadata: $(cat "$prefix/appstream.log")"

doc="$prefix/share/doc/kvitmark"
grep -q '^Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/' \
  "$doc/copyright" || fail "no machine-readable copyright file in $doc"
version="$(sed -n 's/^set(CPACK_PACKAGE_VERSION "\(.*\)")$/\1/p' "$build/CPackConfig.cmake")"
[ -n "$version" ] || fail "no package version in $build/CPackConfig.cmake"
changelog_version="$(zcat "$doc/changelog.gz" | sed -n '1s/^kvitmark (\([^)]*\)).*/\1/p')"
[ "$changelog_version" = "$version" ] ||
  fail "the changelog's last entry is $changelog_version, the package $version"
grep -q "<release version=\"$version\"" "$metainfo" ||
  fail "$metainfo does not list the release $version"

# start_from_entry HOME [KVITMARK_HOME]: the folder where Tabulon.ini appeared, or nothing.
start_from_entry() {
  local home="$1" chosen="${2:-}" expected
  expected="${chosen:-$home/Kvitmark}"
  mkdir -p "$home"
  (cd / && HOME="$home" KVITMARK_HOME="$chosen" QT_QPA_PLATFORM=offscreen \
    "$prefix/bin/$exec_line" >/dev/null 2>&1) &
  local pid=$!
  for _ in $(seq 200); do
    [ -f "$expected/Tabulon.ini" ] && break
    sleep 0.1
  done
  kill "$pid" 2>/dev/null || true
  pkill -f "^$prefix/bin/kvitmark\$" 2>/dev/null || true
  wait "$pid" 2>/dev/null || true
  [ -f "$expected/Tabulon.ini" ] || fail "no Tabulon.ini in $expected"
}

start_from_entry "$prefix/home"
grep -q '^\[Communication\]' "$prefix/home/Kvitmark/Tabulon.ini" || fail "settings file not written"
start_from_entry "$prefix/home2" "$prefix/chosen folder"
echo "installed and started from the desktop entry"
