#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The bash completion offers each argument of mvconf and fwload what it takes:
# documents, firmware or any file by the mode's position, option values, and
# the switches.
# Usage: test_completion.sh COMPLETION_DIR   (exit 77 without bash-completion)
set -u
framework=/usr/share/bash-completion/bash_completion
[ -r "$framework" ] || exit 77
completions=$(cd "$1" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work" && touch a.mv8 b.MV8 c.hex d.txt && mkdir sub
. "$framework"
. "$completions/fwload" # the script of mvconf, which registers both

failed=0
# expect "WORDS OFFERED" COMMAND ARG... (the last ARG is the word completed)
expect()
{
    local want=$1
    shift
    COMP_WORDS=("$@")
    COMP_CWORD=$(($# - 1))
    COMP_LINE="$*"
    COMP_POINT=${#COMP_LINE}
    COMPREPLY=()
    "_$1" "$1" "${COMP_WORDS[COMP_CWORD]}" "${COMP_WORDS[COMP_CWORD - 1]}" 2>/dev/null
    local got
    got=$(printf '%s\n' "${COMPREPLY[@]}" | sort | xargs)
    if [ "$got" != "$want" ]; then
        echo "FAIL: '$*' offered '$got', expected '$want'"
        failed=1
    fi
}

all="a.mv8 b.MV8 c.hex d.txt sub"
expect "a.mv8 b.MV8 sub" mvconf ''
expect "a.mv8 b.MV8 sub" mvconf --convert a.mv8 ''
expect "$all" mvconf --import-phonebook ''
expect "a.mv8 b.MV8 sub" mvconf --import-phonebook d.txt ''
expect "$all" mvconf --export-phonebook a.mv8 ''
expect "a.mv8 b.MV8 sub" mvconf --device /dev/ttyUSB0 --entries 5 --read-phonebook ''
expect "a.mv8 b.MV8 sub" mvconf --force --write-config ''
expect "--derivative --device" mvconf --compare a.mv8 b.MV8 --de
expect "--compare" mvconf --com
expect "a.mv8 b.MV8 sub" mvconf --compare a.mv8 ''
expect "-h" mvconf -h
expect "-v" fwload -v
expect "0 1" mvconf --config-part ''
expect "sub" mvconf --device su
expect "c.hex sub" fwload --cli --file ''
expect "/FILE:" fwload --cli /FI
expect "c.hex" fwload --cli /FILE:c
expect "--cli" fwload --c
exit $failed
