#!/usr/bin/env bash
# The set-up script run against stand-ins for dpkg-query, id, sudo and apt-get.
set -uo pipefail
setup=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failed=0

# A folder holding the named stand-ins beside a few plain tools: dpkg-query calls the packages
# in $MISSING not installed, id says $USER_ID, and sudo and apt-get log each call.
tools() {
    local bin
    bin=$(mktemp -d -p "$work")
    for t in env grep sed cat; do ln -s "$(command -v "$t")" "$bin/$t"; done
    for t in "$@"; do
        {
            echo '#!/bin/bash'
            case $t in
            dpkg-query) echo 'for m in $MISSING; do [ "$m" = "${@: -1}" ] && exit 1; done; printf "install ok installed"' ;;
            id) echo 'echo "$USER_ID"' ;;
            sudo) echo 'echo sudo >> "$LOG"; exec "$@"' ;;
            apt-get) echo 'echo "apt-get $*" >> "$LOG"' ;;
            esac
        } > "$bin/$t"
        chmod +x "$bin/$t"
    done
    echo "$bin"
}

# expect WHAT TEST BIN VAR=VALUE...: runs the script with BIN as the whole PATH, then TEST.
expect() {
    local what=$1 test=$2 bin=$3
    shift 3
    : > "$work/log"
    out=$(env -i PATH="$bin" LOG="$work/log" "$@" "$BASH" "$setup" 2>&1)
    status=$?
    log=$(cat "$work/log")
    eval "$test" || { failed=1; printf 'FAIL: %s\n  status %s\n  output: %s\n  log: %s\n' "$what" "$status" "$out" "$log"; }
}

debian=$(tools dpkg-query id apt-get)
expect "nothing missing: no root, no install, nothing said" \
    '[ $status -eq 0 ] && [ -z "$log" ] && [ -z "$out" ]' "$debian" USER_ID=1000 MISSING=
expect "missing, not root, no sudo: stops naming the package" \
    '[ $status -ne 0 ] && [[ $out == *libgtest-dev* ]] && [[ $out != *qt6-base-dev* ]] && [ -z "$log" ]' \
    "$debian" USER_ID=1000 MISSING=libgtest-dev
expect "missing, with sudo: installs only the missing packages through sudo" \
    '[ $status -eq 0 ] && [[ $log == *sudo* ]] && [[ $log == *"apt-get install -y -qq libgtest-dev fonts-liberation"* ]]' \
    "$(tools dpkg-query id apt-get sudo)" USER_ID=1000 MISSING="libgtest-dev fonts-liberation"
expect "missing, as root: installs without sudo" \
    '[ $status -eq 0 ] && [[ $log != *sudo* ]] && [[ $log == *"apt-get install -y -qq cmake"* ]]' \
    "$debian" USER_ID=0 MISSING=cmake
expect "no apt: stops naming every package" \
    '[ $status -ne 0 ] && [[ $out == *qt6-base-dev* ]] && [[ $out == *fonts-liberation* ]] && [ -z "$log" ]' \
    "$(tools id sudo)" USER_ID=0
exit $failed
