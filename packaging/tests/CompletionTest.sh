#!/usr/bin/env bash
# Completes verda command lines as bash does on Tab, with bash-completion's
# functions and verda's completion script loaded, in a folder holding a
# data file, a text file and a subfolder.
# Usage: CompletionTest.sh COMPLETION_SCRIPT VERDA_DIR
library=/usr/share/bash-completion/bash_completion
if [[ ! -r $library ]]; then
    echo "skipped: bash-completion is not installed"
    exit 77
fi
source "$library"
source "$1"
PATH=$(cd "$2" && pwd):$PATH
folder=$(mktemp -d)
trap 'rm -rf "$folder"' EXIT
cd "$folder" && touch demo.vqb notes.txt && mkdir out

# The candidates for the last word of a line, sorted, on one line.
complete_line()
{
    COMP_LINE=$1
    COMP_POINT=${#1}
    read -ra COMP_WORDS <<<"$1"
    [[ $1 == *" " ]] && COMP_WORDS+=("")
    COMP_CWORD=$((${#COMP_WORDS[@]} - 1))
    COMPREPLY=()
    _verda verda "${COMP_WORDS[COMP_CWORD]}" "${COMP_WORDS[COMP_CWORD - 1]}"
    printf '%s\n' "${COMPREPLY[@]}" | sort | paste -sd ' '
}

failures=0
while IFS='|' read -r line expected; do
    actual=$(complete_line "$line")
    if [[ $actual != "$expected" ]]; then
        echo "'$line' completes to '$actual', not '$expected'"
        failures=$((failures + 1))
    fi
done <<'CASES'
verda tr|translate trigger
verda translate --|--blocks --help --into --profile --record
verda s|screen send setup setups state status stop store
verda --|--baud --help --parallel --port --stop-bits --version
verda --baud 9600 --port /dev/null inf|info
verda translate --into |out
verda translate --profile |
verda list |demo.vqb notes.txt out
verda info |
verda setup |boot load recall rename save store
verda setup save 1 d|demo.vqb
verda --port /dev/nul|/dev/null
verda key --|--help --number
CASES
echo "$failures failed"
[[ $failures -eq 0 ]]
