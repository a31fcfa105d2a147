#!/usr/bin/env bash
# Runs the Windows build under wine through scripted sessions and compares each
# run with the native Linux build of the same sources: standard output must be
# the Linux output with every LF turned into CR LF, the first line on standard
# error the Linux one ending in CR LF, and the exit status the same.
#
# usage: wine_sessions.sh WINDOWS_EXE LINUX_BINARY SESSIONS_DIR WORK_DIR
# (the wine prefix below WORK_DIR is made by wine_prefix.sh)
set -uo pipefail

exe=$1 linux=$2 sessions=$3 work=$4

source "$(dirname "$0")/wine_env.sh"
require_executables "$exe" "$linux"
stop_wine_on_exit
mkdir -p "$work/runs"

failures=0
runs=0

fail() {
  echo "FAIL $1: $2"
  failures=$((failures + 1))
}

# run_one NAME FEED EXPECTED_STATUS: FEED is "file" (standard input redirected
# from the session file) or "pipe" (the session piped in).
run_one() {
  local name=$1 feed=$2 expected=$3
  local in="$sessions/$name.in" base="$work/runs/$name.$feed"
  runs=$((runs + 1))

  "$linux" <"$in" >"$base.linux.out" 2>"$base.linux.err"
  local linux_status=$?
  if [ "$feed" = pipe ]; then
    cat "$in" | "$wine" "$exe" >"$base.exe.out" 2>"$base.exe.err"
  else
    "$wine" "$exe" <"$in" >"$base.exe.out" 2>"$base.exe.err"
  fi
  local exe_status=$?

  # The session must end the way it was written to end, or it tests less
  # than its name says.
  [ "$linux_status" = "$expected" ] ||
    fail "$name" "the Linux build ended with $linux_status, the session expects $expected"

  perl -pe 's/\n/\r\n/g' "$base.linux.out" >"$base.want.out"
  if ! cmp -s "$base.want.out" "$base.exe.out"; then
    fail "$name ($feed)" "standard output $(cmp "$base.want.out" "$base.exe.out" 2>&1 | sed -n "1s/.* differ: /differs at /p")"
  fi

  [ "$exe_status" = "$linux_status" ] ||
    fail "$name ($feed)" "exit status $exe_status, the Linux build gave $linux_status"

  local want_err="" got_err
  [ -s "$base.linux.err" ] && want_err="$(head -n1 "$base.linux.err")"$'\r'
  got_err=$(head -n1 "$base.exe.err")
  [ "$got_err" = "$want_err" ] ||
    fail "$name ($feed)" "first line on standard error $(printf %q "$got_err"), expected $(printf %q "$want_err")"

  echo "ran $name ($feed): status $exe_status, $(wc -l <"$base.exe.out") lines"
}

run_one both-regimes-and-fog-guidance file 0
run_one both-regimes-and-fog-guidance pipe 0
run_one crlf-line-ends file 0
run_one crlf-line-ends pipe 0
run_one quit-at-first-question file 0
run_one quit-negative-at-opponent-length pipe 0
run_one reply-not-a-number file 2
run_one reply-not-an-integer pipe 2
run_one input-ends-at-enter-wait file 2
run_one input-ends-at-enter-wait pipe 2
run_one input-ends-inside-reply file 2
run_one input-ends-inside-reply pipe 2
run_one no-input file 2

echo "$runs runs, $failures failures"
[ "$failures" -eq 0 ]
