#!/usr/bin/env bash
# The Debian package of a build tree, made as scripts/package makes it (into a folder of its
# own): it holds the manual pages, completion, metadata, licence and changelog, and lintian
# finds neither an error nor a warning in it. Informational tags are listed, not failed.
#   package_lint_test.sh BUILD_DIR
set -euo pipefail
build="$(realpath "$1")"
out="$(mktemp -d)"
trap 'rm -rf "$out"' EXIT

fail() {
  echo "FAIL: $*" >&2
  exit 1
}

command -v lintian >/dev/null || fail "lintian is not installed (apt-get install lintian)"
cpack -G DEB --config "$build/CPackConfig.cmake" -B "$out" >"$out/cpack.log" 2>&1 ||
  fail "cpack failed: $(cat "$out/cpack.log")"
debs=("$out"/kvitmark_*.deb)
[ -f "${debs[0]}" ] || fail "cpack made no kvitmark_*.deb: $(cat "$out/cpack.log")"
deb="${debs[0]}"

contents="$(dpkg-deb -c "$deb" | awk '{ print $6 }')"
for path in ./usr/share/man/man1/kvitmark.1.gz ./usr/share/man/man1/kvitmark-cli.1.gz \
  ./usr/share/man/man1/kvitmark-sim.1.gz ./usr/share/man/man1/kvitmark-desktop.1.gz \
  ./usr/share/bash-completion/completions/kvitmark-cli \
  ./usr/share/zsh/vendor-completions/_kvitmark-cli \
  ./usr/share/metainfo/org.kvitmark.Kvitmark.metainfo.xml \
  ./usr/share/doc/kvitmark/copyright ./usr/share/doc/kvitmark/changelog.gz; do
  grep -qxF "$path" <<<"$contents" || fail "$(basename "$deb") lacks $path"
done

# lintian says so as root; its tags are what matters.
status=0
lintian --fail-on error,warning --display-info "$deb" >"$out/lintian.log" 2>&1 || status=$?
grep -v '^running with root privileges' "$out/lintian.log" || true
[ "$status" -eq 0 ] || fail "lintian finds errors or warnings in $(basename "$deb")"
echo "$(basename "$deb"): no lintian errors or warnings"
