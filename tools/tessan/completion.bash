# bash completion for tessan: commands, the options each takes, their values
# and NC program files.
_tessan() {
  local current=${COMP_WORDS[COMP_CWORD]} previous=${COMP_WORDS[COMP_CWORD - 1]}
  local command="" word
  for word in "${COMP_WORDS[@]:1:COMP_CWORD-1}"; do
    case $word in
      parse | check | expr | eval) command=$word; break ;;
    esac
  done

  case $previous in
    --format) COMPREPLY=($(compgen -W "text json" -- "$current")); return ;;
    --plugin) COMPREPLY=($(compgen -f -- "$current")); return ;;
    --axes | --geo | --set | -j | --jobs) return ;;
  esac

  local options="--plugin --axes --geo --set --format --help --version"
  [ "$command" = check ] && options="$options --quiet --jobs"
  if [ -z "$command" ] && [[ $current != -* ]]; then
    COMPREPLY=($(compgen -W "parse check expr eval" -- "$current"))
  elif [[ $current == -* ]]; then
    COMPREPLY=($(compgen -W "$options" -- "$current"))
  elif [ "$command" = parse ] || [ "$command" = check ]; then
    COMPREPLY=($(compgen -f -- "$current"))
  fi
}
complete -o filenames -F _tessan tessan
