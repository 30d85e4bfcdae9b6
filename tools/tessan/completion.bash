# bash completion for tessan: commands, the options each takes, their values
# and NC program files.
_tessan() {
  local current=${COMP_WORDS[COMP_CWORD]} previous=${COMP_WORDS[COMP_CWORD - 1]}
  local command="" word
  for word in "${COMP_WORDS[@]:1:COMP_CWORD-1}"; do
    case $word in
      parse | check | expr | eval | run) command=$word; break ;;
    esac
  done

  case $previous in
    --format) COMPREPLY=($(compgen -W "text json" -- "$current")); return ;;
    --plugin | --svg) COMPREPLY=($(compgen -f -- "$current")); return ;;
    --axes | --geo | --set | -j | --jobs | --max-blocks | --rapid-rate) return ;;
  esac

  local options="--plugin --axes --geo --set --format --help --version"
  [ "$command" = check ] && options="$options --quiet --jobs"
  [ "$command" = run ] && options="$options --svg --max-blocks --rapid-rate"
  if [ -z "$command" ] && [[ $current != -* ]]; then
    COMPREPLY=($(compgen -W "parse check expr eval run" -- "$current"))
  elif [[ $current == -* ]]; then
    COMPREPLY=($(compgen -W "$options" -- "$current"))
  elif [ "$command" = parse ] || [ "$command" = check ] || [ "$command" = run ]; then
    COMPREPLY=($(compgen -f -- "$current"))
  fi
}
complete -o filenames -F _tessan tessan
