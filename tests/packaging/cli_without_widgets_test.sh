#!/usr/bin/env bash
# kvitmark-cli is a shell tool: it reads and writes BMP files through Qt GUI but never needs
# Qt Widgets, so it must not bring the widget library in, directly or through another
# library. The window program, which does need it, shows that the check sees it.
#   cli_without_widgets_test.sh KVITMARK_CLI KVITMARK
set -euo pipefail
cli="$1"
window="$2"

fail() {
  echo "FAIL: $*" >&2
  exit 1
}

# ldd (part of every Debian system) lists every shared library the loader brings in, those
# the libraries need included. g++ links with --as-needed except under the sanitizers, so a
# use of a widget shows in every tree and a mere link to the widget library in the
# sanitizer tree.
cli_libraries="$(ldd "$cli")" || fail "ldd cannot read $cli"
window_libraries="$(ldd "$window")" || fail "ldd cannot read $window"
grep -q 'libQt6Widgets' <<<"$window_libraries" || fail "no Qt Widgets seen even in $window"
if grep 'libQt6Widgets' <<<"$cli_libraries"; then
  fail "$cli needs Qt Widgets"
fi
echo "kvitmark-cli needs no Qt Widgets"
