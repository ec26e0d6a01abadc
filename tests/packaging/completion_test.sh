#!/usr/bin/env bash
# kvitmark-cli's bash completion, run as bash-completion runs it: what it offers for a typed
# command line, and that its commands, options and table kinds are the ones the tool's own
# --help names, so that a command, option or kind added to the tool and not to the
# completion shows here.
#   completion_test.sh COMPLETION_FILE KVITMARK_CLI
set -euo pipefail
completion="$(realpath "$1")"
cli="$(realpath "$2")"

fail() {
  echo "FAIL: $*" >&2
  exit 1
}

[ -f /usr/share/bash-completion/bash_completion ] ||
  fail "bash-completion is not installed (apt-get install bash-completion)"
# bash-completion is written for an interactive shell: unset variables and failing
# commands are part of its normal work.
set +eu
# shellcheck source=/dev/null
source /usr/share/bash-completion/bash_completion
# shellcheck source=/dev/null
source "$completion"
set -eu

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
cd "$work"
mkdir folder
touch goods.art CASHIERS.OPR old.art logo.bmp prices.csv notes.txt

# words: the lines of standard input as one line of words.
words() { paste -sd ' ' -; }

# offers WORD...: what completing the last word (may be empty) offers, sorted, one line.
offers() {
  COMP_WORDS=("$@")
  COMP_CWORD=$(($# - 1))
  COMP_LINE="$*"
  COMP_POINT=${#COMP_LINE}
  COMPREPLY=()
  set +eu
  _kvitmark_cli kvitmark-cli "${COMP_WORDS[COMP_CWORD]}" "${COMP_WORDS[COMP_CWORD - 1]}"
  set -eu
  printf '%s\n' "${COMPREPLY[@]}" | sed '/^$/d' | sort | words
}

# expect "WORDS" "OFFERED": the typed words (the last one being completed) and the offer.
checked=0
expect() {
  local -a words
  read -r -a words <<<"$1"
  [[ $1 == *" " ]] && words+=("")
  local got
  got="$(offers kvitmark-cli "${words[@]}")"
  [ "$got" = "$2" ] || fail "kvitmark-cli $1| offers '$got', not '$2'"
  checked=$((checked + 1))
}

kinds="art hft kso op1 op2 opl opr otd pac pak par pdu pko pnu pnv pov ppl ppn ret slu tsp"
expect "re" "read reports restore"
expect "csv" "csv-export csv-import"
expect "read " "$kinds"
expect "write op" "op1 op2 opl opr"
expect "clear " "art hft opl opr otd"
expect "--lang " "ru uk"
expect "--lang=" "ru uk"
expect "--on-error " "skip stop"
expect "--port COM2 --register 3 clear o" "opl opr otd"
expect "--speed 9600 r" "read reports restore"
expect "read opr x.opr --lang u" "uk"
expect "--speed 1" "115200 14400 19200"
expect "reports folder --only Art,O" "Art,Operac Art,Operat Art,Opl Art,Otd"
expect "restore folder --only art,l" "art,logo"
# Files a command reads go by their extension (folders are offered on the way); a file it
# writes may have any name; a folder is a folder.
expect "write art " "folder goods.art old.art"
expect "write opr " "CASHIERS.OPR folder"
expect "write art goods.art --changed-from " "folder goods.art old.art"
expect "read art " "CASHIERS.OPR folder goods.art logo.bmp notes.txt old.art prices.csv"
expect "logo-write " "folder logo.bmp"
expect "logo-convert --dither " "atkinson floyd"
# --dither alone takes no word: the picture's name after it is the first positional.
expect "logo-convert --dither logo.bmp " "CASHIERS.OPR folder goods.art logo.bmp notes.txt old.art prices.csv"
expect "logo-convert --dither atkinson --threshold 9 " "folder logo.bmp"
expect "csv-import " "folder prices.csv"
expect "csv-import prices.csv " "CASHIERS.OPR folder goods.art logo.bmp notes.txt old.art prices.csv"
expect "sd-export " "folder goods.art old.art"
expect "backup " "folder"
expect "restore f" "folder"
expect "sd-sales " "folder"
expect "ports " ""

# Against the tool's help. help_list HELP HEADING: the first word of each entry under HEADING.
help_list() {
  sed -n "/^$2:\$/,/^\$/{s/^  \\([^ ,]*\\).*/\\1/p}" <<<"$1" | sort | words
}
# help_options HELP: every long option the help names, sorted.
help_options() {
  grep -o -- '--[a-z][a-z-]*' <<<"$(sed -n '/^Options:$/,/^$/p' <<<"$1")" | sort -u | words
}
main_help="$("$cli" --help)"
commands="$(help_list "$main_help" Subcommands)"
[ -n "$commands" ] || fail "no commands in kvitmark-cli --help"
global_options="$(help_options "$main_help")"
[ "$(offers kvitmark-cli "")" = "$commands" ] ||
  fail "the completion offers the commands '$(offers kvitmark-cli "")', the tool has '$commands'"
[ "$(offers kvitmark-cli --)" = "$global_options" ] ||
  fail "the completion offers the options '$(offers kvitmark-cli --)', the tool has '$global_options'"
# set_of TYPE: the values of a type the tool checks against a list (TEXT:{uk,ru}), sorted.
set_of() {
  local values="${1#*:\{}"
  tr ',' '\n' <<<"${values%%\}*}" | sort | words
}
while read -r option type; do
  got="$(offers kvitmark-cli "$option" "")"
  [ "$got" = "$(set_of "$type")" ] ||
    fail "$option: the completion offers '$got', the tool takes '$(set_of "$type")'"
  checked=$((checked + 1))
done < <(sed -n 's/^  \(--[a-z-]*\) \([^ ]*:{[^ ]*\).*/\1 \2/p' <<<"$main_help")
for command in $commands; do
  help="$("$cli" "$command" --help)"
  options="$(tr ' ' '\n' <<<"$global_options $(help_options "$help")" | sort -u | words)"
  got="$(offers kvitmark-cli "$command" --)"
  [ "$got" = "$options" ] || fail "$command: the completion offers '$got', the tool takes '$options'"
  # Every positional argument: its values where the tool checks them against a list, only
  # folders where it wants a folder, files where it wants anything else.
  before=()
  while read -r name type; do
    [ -n "$name" ] || continue
    got="$(offers kvitmark-cli "$command" "${before[@]}" "")"
    case $type in
      *:\{*\}*)
        values="$(set_of "$type")"
        [ "$got" = "$values" ] || fail "$command $name: the completion offers '$got', the tool takes '$values'"
        before+=("art")
        ;;
      *:DIR*)
        [ "$got" = "folder" ] || fail "$command $name: a folder is wanted, the completion offers '$got'"
        before+=("folder")
        ;;
      *)
        [[ " $got " == *" folder "* && $got == *.* ]] ||
          fail "$command $name: a file is wanted, the completion offers '$got'"
        before+=("goods.art")
        ;;
    esac
    checked=$((checked + 1))
  done < <(sed -n '/^Positionals:$/,/^$/{s/^  \([A-Z_]*\) \([^ ]*\).*/\1 \2/p}' <<<"$help")
done
echo "$checked completions checked"
