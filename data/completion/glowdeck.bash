# bash completion for glowdeck: its verbs, their values, and the saved lights' names.

_glowdeck() {
    local cur=${COMP_WORDS[COMP_CWORD]} cword=$COMP_CWORD
    local verb=${COMP_WORDS[1]:-}
    local values="" IFS=$' \t\n'
    COMPREPLY=()
    if [ "$cword" -eq 1 ]; then
        values="list on off toggle brightness temperature color preset panel --help --version"
    else
        case $verb in
        list)
            values="--json --names" ;;
        panel)
            return ;;
        preset)
            [ "$cword" -eq 2 ] &&
                values="Cozy Focus Night Sunset Fireplace Ocean Romance Forest Party Relax TV Candle" ;;
        color)
            [ "$cword" -eq 2 ] && values="Red Orange Yellow Green Cyan Blue Purple" ;;
        brightness)
            [ "$cword" -eq 2 ] && values="10 25 50 75 100 +10 -10" ;;
        temperature)
            [ "$cword" -eq 2 ] && values="2200 2700 4000 5000 6500" ;;
        on | off | toggle) ;;
        *)
            return ;;
        esac
    fi
    if [ -n "$values" ]; then
        mapfile -t COMPREPLY < <(compgen -W "$values" -- "$cur")
        return
    fi
    if [[ $cur == -* ]]; then
        mapfile -t COMPREPLY < <(compgen -W "--all" -- "$cur")
        return
    fi
    # The saved lights, one a line; a name with spaces becomes one quoted word.
    local name
    while IFS= read -r name; do
        if [[ ${name,,} == "${cur,,}"* ]]; then
            COMPREPLY+=("$(printf '%q' "$name")")
        fi
    done < <("${COMP_WORDS[0]}" list --names 2>/dev/null)
}

complete -F _glowdeck glowdeck
