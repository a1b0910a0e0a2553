#!/bin/sh
# Stands in for the game in launch tests: writes its working directory and its
# arguments, one a line, into "fakegame.log" in that directory. The log is
# written under another name first, so a reader never sees half of it.
{
    echo "cwd=$(pwd -P)"
    for argument in "$@"; do
        printf 'arg=%s\n' "$argument"
    done
} >fakegame.log.part && mv fakegame.log.part fakegame.log

# A dedicated server whose input is a pipe (a console) prints lines on both
# outputs and answers each line it reads. "hold" makes it ignore TERM, "exit N"
# ends it with status N. When its input ends it prints once more and leaves
# "fakegame.inputended" behind.
case " $* " in
*" +set dedicated 1 "*) [ -p /dev/stdin ] || exit 0 ;;
*) exit 0 ;;
esac
echo "Dedicated server running"
echo "no map loaded" >&2
while read -r line; do
    case $line in
    hold) trap '' TERM && echo "holding" ;;
    "exit "*) exit "${line#exit }" ;;
    *) echo "got: $line" ;;
    esac
done
echo "input ended"
: >fakegame.inputended
