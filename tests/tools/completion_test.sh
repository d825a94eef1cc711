#!/bin/bash
# The bash completion of tavix-lists offers, at each place of a command line, what may stand there.
#   completion_test.sh COMPLETION_FILE
set -u
. /usr/share/bash-completion/bash_completion
. "$1"
failures=0
expect() {
    local wanted=$1
    shift
    COMP_WORDS=("$@")
    COMP_CWORD=$((${#COMP_WORDS[@]} - 1))
    COMP_LINE="$*"
    COMP_POINT=${#COMP_LINE}
    COMPREPLY=()
    _tavix_lists tavix-lists "${COMP_WORDS[COMP_CWORD]}" "${COMP_WORDS[COMP_CWORD - 1]}"
    if [ "${COMPREPLY[*]}" != "$wanted" ]; then
        echo "[$*]: offered '${COMPREPLY[*]}', wanted '$wanted'"
        failures=$((failures + 1))
    fi
}
expect "schedule standings ratings predict block forecast record odds" tavix-lists ""
expect "--data --as-of --print --format --verbose --help --version" tavix-lists --
expect "--data --as-of --verbose --help --version" tavix-lists --print --
expect "--as-of --verbose --help --version" tavix-lists --data /tmp --format=csv --
expect "csv json" tavix-lists --format ""
expect "schedule" tavix-lists --data /tmp sch
expect "first second month team" tavix-lists schedule ""
expect "1 2 3 4 5 6" tavix-lists --format csv schedule month ""
expect "2 20 21 22 23 24 25 26 27 28 29" tavix-lists schedule team 2
expect "all home road" tavix-lists schedule team 12 ""
expect "scoring percentage offense defense switched" tavix-lists --format=json ratings ""
expect "--previous" tavix-lists ratings defense ""
expect "" tavix-lists ratings switched ""
expect "$(seq -s ' ' 1 29)" tavix-lists predict 5 ""
expect "--neutral" tavix-lists predict 5 1 ""
expect "--lines --today" tavix-lists block ""
expect "--today" tavix-lists block --lines 1-9 ""
expect "--games" tavix-lists record --month 3 ""
expect "--games --month" tavix-lists record ""
expect "1 2 3 4 5 6" tavix-lists record --month ""
expect "--simulations --seed" tavix-lists odds ""
expect "standings" tavix-lists --as-of 1999-03-10 stan
[ "$(complete -p tavix-lists)" = "complete -F _tavix_lists tavix-lists" ] || { echo "not registered"; failures=$((failures + 1)); }
exit $((failures > 0))
