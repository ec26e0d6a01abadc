# bash completion for kvitmark-cli                               -*- shell-script -*-
# shellcheck shell=bash disable=SC2207
# (bash-completion's own way of filling COMPREPLY, from compgen, one word a line.)
#
# The lists below are the tool's own: tests/packaging/completion_test.sh compares them with
# what kvitmark-cli --help says.

_kvitmark_cli_commands="ports presence find read write clear logo-read logo-write logo-convert
  sd-export sd-sales reports backup restore csv-export csv-import"
_kvitmark_cli_kinds="art hft kso op1 op2 opl opr otd pac pak par pdu pko pnu pnv pov ppl ppn
  ret slu tsp"
_kvitmark_cli_clearable_kinds="art hft opl opr otd"
_kvitmark_cli_reports="Art Otd Grp Operat Nalog Opl Operac Adm1 Adm2 Adm3 Numoper Regist"
# The speeds the window offers; --speed takes any other too.
_kvitmark_cli_speeds="4800 9600 14400 19200 28800 38400 56000 115200"
_kvitmark_cli_global_options="--help --port --device --speed --register --trace --on-error
  --lang --json"
# The pictures the logo is made of, by their extensions.
_kvitmark_cli_pictures='@(bmp|png|jpg|jpeg|gif|webp|svg|svgz|tif|tiff)'

# The options a command adds to those of the connection, which it takes too.
_kvitmark_cli_command_options() {
  case $1 in
    find) echo --speeds --registers ;;
    read) echo --first --last --record ;;
    write) echo --first --last --record --yes --changed-from --dry-run ;;
    clear) echo --yes ;;
    reports) echo --only --separator ;;
    restore) echo --only --dry-run --yes ;;
    logo-write | logo-convert) echo --dither --threshold --invert ;;
  esac
}

# A comma-separated list (--only Art,Otd): the words of $1 for the item after the last comma.
_kvitmark_cli_list() {
  local done=""
  [[ $cur == *,* ]] && done="${cur%,*},"
  COMPREPLY=($(compgen -P "$done" -W "$1" -- "${cur##*,}"))
  compopt -o nospace 2>/dev/null
}

_kvitmark_cli() {
  local cur prev words cword split
  _init_completion -s || return

  # The command and the positional arguments before the word being completed; options that
  # take a value take the next word with them unless given as --option=value.
  local command="" kind="" i word
  local -a positionals=()
  for ((i = 1; i < cword; i++)); do
    word=${words[i]}
    case $word in
      --port | --device | --speed | --register | --on-error | --lang | --speeds | \
        --registers | --first | --last | --record | --changed-from | --only | --separator | \
        --threshold)
        ((i++))
        ;;
      # Alone it means floyd, and the next word is the picture.
      --dither)
        [[ ${words[i + 1]-} == @(floyd|atkinson) ]] && ((i++))
        ;;
      -*) ;;
      *)
        if [[ -z $command ]]; then
          command=$word
        else
          positionals+=("$word")
        fi
        ;;
    esac
  done
  case $command in
    read | write | clear) kind=${positionals[0]-} ;;
  esac

  case $prev in
    --lang)
      COMPREPLY=($(compgen -W "uk ru" -- "$cur"))
      return
      ;;
    --on-error)
      COMPREPLY=($(compgen -W "stop skip" -- "$cur"))
      return
      ;;
    --port)
      COMPREPLY=($(compgen -W "COM1 COM2 COM3 COM4 COM5 COM6 COM7 COM8 COM9" -- "$cur"))
      return
      ;;
    --device)
      # A device path; a network address (rfc2217://, tcp://) is typed out.
      _filedir
      return
      ;;
    --speed)
      COMPREPLY=($(compgen -W "$_kvitmark_cli_speeds" -- "$cur"))
      return
      ;;
    --speeds)
      _kvitmark_cli_list "$_kvitmark_cli_speeds"
      return
      ;;
    --changed-from)
      # A table file of the same kind as the one written.
      _filedir "$kind"
      return
      ;;
    --only)
      if [[ $command == restore ]]; then
        _kvitmark_cli_list "$_kvitmark_cli_kinds logo"
      else
        _kvitmark_cli_list "$_kvitmark_cli_reports"
      fi
      return
      ;;
    --dither)
      COMPREPLY=($(compgen -W "floyd atkinson" -- "$cur"))
      return
      ;;
    --register | --registers | --first | --last | --record | --separator | --threshold)
      return
      ;;
  esac
  $split && return

  if [[ $cur == -* ]]; then
    COMPREPLY=($(compgen -W "$_kvitmark_cli_global_options $(_kvitmark_cli_command_options \
      "$command")" -- "$cur"))
    return
  fi
  if [[ -z $command ]]; then
    COMPREPLY=($(compgen -W "$_kvitmark_cli_commands" -- "$cur"))
    return
  fi

  # Files that a command reads are offered by their extension; those it writes may have any
  # name.
  case $command:${#positionals[@]} in
    read:0 | write:0) COMPREPLY=($(compgen -W "$_kvitmark_cli_kinds" -- "$cur")) ;;
    clear:0) COMPREPLY=($(compgen -W "$_kvitmark_cli_clearable_kinds" -- "$cur")) ;;
    read:1 | logo-read:0 | logo-convert:1 | sd-export:1 | sd-sales:1 | csv-export:1 | csv-import:1)
      _filedir
      ;;
    write:1) _filedir "$kind" ;;
    logo-write:0 | logo-convert:0) _filedir "$_kvitmark_cli_pictures" ;;
    sd-export:0 | csv-export:0) _filedir art ;;
    csv-import:0) _filedir csv ;;
    sd-sales:0 | reports:0 | backup:0 | restore:0) _filedir -d ;;
  esac
} &&
  complete -F _kvitmark_cli kvitmark-cli
