#!/usr/bin/env bash
# The set-up script run against stand-ins for dpkg-query, id, sudo and apt-get: it installs
# only what is missing, needs no root when nothing is, and stops, naming the missing
# packages, when it cannot install them.
set -uo pipefail
setup=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
passed=0 failed=0

# A folder of stand-ins holding the named tools, beside a few plain ones. dpkg-query calls the packages in
# $MISSING not installed, id says $USER_ID, and sudo and apt-get write each call to the log;
# apt-get's install fails when $APT_FAILS is set.
tools() {
    local bin=$work/bin-$RANDOM$RANDOM
    mkdir -p "$bin"
    for t in env grep sed cat; do
        ln -s "$(command -v "$t")" "$bin/$t"
    done
    for t in "$@"; do
        case $t in
        dpkg-query) printf '%s\n' '#!/bin/bash' 'for m in $MISSING; do [ "$m" = "${@: -1}" ] && exit 1; done' \
            'printf "install ok installed"' ;;
        id) printf '%s\n' '#!/bin/bash' 'echo "$USER_ID"' ;;
        sudo) printf '%s\n' '#!/bin/bash' 'echo sudo >> "$LOG"' 'exec "$@"' ;;
        apt-get) printf '%s\n' '#!/bin/bash' 'echo "apt-get $*" >> "$LOG"' \
            '[ "$1" != install ] || [ -z "${APT_FAILS:-}" ]' ;;
        esac > "$bin/$t"
        chmod +x "$bin/$t"
    done
    echo "$bin"
}

# Runs the script with those tools as the whole PATH; sets status, out (both streams) and log.
run() {
    local bin=$1
    shift
    : > "$work/log"
    out=$(env -i PATH="$bin" LOG="$work/log" "$@" "$BASH" "$setup" 2>&1)
    status=$?
    log=$(cat "$work/log")
}

check() {
    if eval "$2"; then
        passed=$((passed + 1))
    else
        failed=$((failed + 1))
        printf 'FAIL: %s\n  status %s\n  output: %s\n  log: %s\n' "$1" "$status" "$out" "$log"
    fi
}

debian=$(tools dpkg-query id apt-get)
debian_sudo=$(tools dpkg-query id apt-get sudo)

run "$debian" USER_ID=1000 MISSING=
check "nothing missing: no root, no install, nothing said" '[ $status -eq 0 ] && [ -z "$log" ] && [ -z "$out" ]'

run "$debian" USER_ID=1000 MISSING=libgtest-dev
check "missing, not root, no sudo: stops naming the package" \
    '[ $status -ne 0 ] && [[ $out == *libgtest-dev* ]] && [[ $out != *qt6-base-dev* ]] && [ -z "$log" ]'

run "$debian_sudo" USER_ID=1000 MISSING="libgtest-dev fonts-liberation"
check "missing, with sudo: installs only the missing packages through sudo" \
    '[ $status -eq 0 ] && [[ $log == *sudo* ]] && [[ $log == *"apt-get install -y -qq libgtest-dev fonts-liberation"* ]]'

run "$debian" USER_ID=0 MISSING=cmake
check "missing, as root: installs without sudo" \
    '[ $status -eq 0 ] && [[ $log != *sudo* ]] && [[ $log == *"apt-get install -y -qq cmake"* ]]'

run "$debian" USER_ID=0 MISSING=cmake APT_FAILS=1
check "an install that fails stops with a non-zero exit and names the package" \
    '[ $status -ne 0 ] && [[ $out == *"could not install: cmake"* ]]'

run "$(tools id sudo)" USER_ID=0
check "no apt: stops naming every package" \
    '[ $status -ne 0 ] && [[ $out == *qt6-base-dev* ]] && [[ $out == *fonts-liberation* ]] && [ -z "$log" ]'

echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
