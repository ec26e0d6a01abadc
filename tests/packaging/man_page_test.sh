#!/usr/bin/env bash
# The manual pages as man shows them: kvitmark-cli's page names every command and every
# option its --help names, each command with its own options, and keeps the sections added
# to it; no page makes groff complain.
#   man_page_test.sh KVITMARK_CLI MAN_DIR
set -euo pipefail
cli="$1"
man_dir="$2"

fail() {
  echo "FAIL: $*" >&2
  exit 1
}

# render PAGE: the page as text, wide enough that nothing is broken or hyphenated.
render() {
  LC_ALL=C.UTF-8 MANWIDTH=250 MANROFFOPT=-rHY=0 man -l "$1" 2>/dev/null | col -b
}

for page in kvitmark kvitmark-cli kvitmark-sim kvitmark-desktop; do
  file="$man_dir/$page.1.gz"
  [ -f "$file" ] || fail "no manual page $file"
  warnings="$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -l "$file" 2>&1 >/dev/null)"
  [ -z "$warnings" ] || fail "$page.1: $warnings"
  text="$(render "$file")"
  grep -q "^NAME" <<<"$text" || fail "$page.1 shows no NAME section"
done

page="$(render "$man_dir/kvitmark-cli.1.gz")"
# section NAME: the text of one section of the page.
section() { awk -v name="$1" '/^[A-Z]/ { inside = ($0 == name); next } inside' <<<"$page"; }
for name in DESCRIPTION OPTIONS COMMANDS "EXIT STATUS" "JSON RESULT" FILES ENVIRONMENT EXAMPLES; do
  [ -n "$(section "$name")" ] || fail "kvitmark-cli.1 has no section $name"
done

# options HELP: the long options a help text names under "Options:".
options() { sed -n '/^Options:$/,/^$/p' <<<"$1" | grep -o -- '--[a-z][a-z-]*' | sort -u; }

main_help="$("$cli" --help)"
page_options="$(section OPTIONS)"
checked=0
for option in $(options "$main_help"); do
  grep -qE -- "^ +(-h, )?$option( |$)" <<<"$page_options" ||
    fail "kvitmark-cli.1 does not show the option $option"
  checked=$((checked + 1))
done
commands="$(sed -n '/^Subcommands:$/,/^$/{s/^  \([a-z][a-z-]*\) .*/\1/p}' <<<"$main_help")"
[ -n "$commands" ] || fail "no commands in kvitmark-cli --help"
commands_section="$(section COMMANDS)"
for command in $commands; do
  # The command's subsection: from its heading to the next one.
  text="$(awk -v heading="kvitmark-cli $command " '
    /^   [^ ]/ { inside = index($0, "   " heading) == 1 } inside' <<<"$commands_section")"
  [ -n "$text" ] || fail "kvitmark-cli.1 has no subsection for the command $command"
  description="$(sed -n '1p' <<<"$("$cli" "$command" --help)")"
  grep -qF -- "$description" <<<"$text" || fail "kvitmark-cli.1: $command is not '$description'"
  for option in $(options "$("$cli" "$command" --help)"); do
    [ "$option" = --help ] && continue
    grep -qE -- "^ +$option( |$)" <<<"$text" ||
      fail "kvitmark-cli.1 does not show the option $option of $command"
  done
  checked=$((checked + 1))
done
echo "manual pages render cleanly; $checked commands and options of kvitmark-cli shown"
