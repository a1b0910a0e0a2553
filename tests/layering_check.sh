#!/usr/bin/env bash
# Fails when a source file includes from a higher layer, or when a file of the
# core library (a model folder) includes a widget file. A file's layer is its
# first folder below src; a "ui" folder and the widgets folder hold the widget
# files; a file directly in src is above every layer.
# Usage: layering_check.sh SOURCE_FOLDER
set -euo pipefail
cd "$1"

# From the lowest layer up; names on one line share a layer.
layers=(
    common
    platform
    widgets
    game
    "server client prefs"
    status
    finder
    app
)

# The layer's number of a path's first folder; none for an unknown folder.
rank() {
    local i name
    for i in "${!layers[@]}"; do
        for name in ${layers[$i]}; do
            [ "$name" = "${1%%/*}" ] && echo "$i" && return
        done
    done
    return 0
}

is_widget() {
    [[ $1 == widgets/* || $1 == */ui/* ]]
}

problems=0
problem() {
    echo "$1" >&2
    problems=$((problems + 1))
}

while IFS= read -r file; do
    if [[ $file == */* ]]; then
        own=$(rank "$file")
        [ -n "$own" ] || problem "$file: the folder ${file%%/*} has no place in the layer order"
    else
        own=${#layers[@]}
    fi
    while IFS= read -r included; do
        # Generated headers (ui_*.h, Version.h) and files beside it have no folder.
        [[ $included == */* ]] || continue
        theirs=$(rank "$included")
        if [ -z "$theirs" ]; then
            problem "$file includes $included from a folder with no place in the layer order"
        elif [ -n "$own" ] && [ "$theirs" -gt "$own" ]; then
            problem "$file includes $included from a higher layer"
        elif ! is_widget "$file" && [[ $file == */* ]] && is_widget "$included"; then
            problem "$file is in the core library and includes the widget file $included"
        fi
    done < <(sed -n 's/^[[:space:]]*#[[:space:]]*include[[:space:]]*"\([^"]*\)".*/\1/p' "$file")
done < <(find . -name '*.cpp' -o -name '*.h' | sed 's#^\./##' | sort)

if [ "$problems" -gt 0 ]; then
    echo "FAIL: $problems problem(s) with the layer order" >&2
    exit 1
fi
echo "Every include keeps the layer order."
