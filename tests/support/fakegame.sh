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
