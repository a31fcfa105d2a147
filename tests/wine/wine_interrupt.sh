#!/usr/bin/env bash
# Runs the Windows build under wine on a pseudo-terminal, where wine gives it a
# console, and types at it: Ctrl-C at an Enter wait and in the middle of a
# reply must end it with "Interrupt" and status 1; started with Ctrl-C ignored
# it must go on reading as if nothing happened; Ctrl-Z and Enter is the end of
# input. The screen carries the console's control sequences, so it is only
# searched for the texts that must have been delivered.
#
# usage: wine_interrupt.sh WINDOWS_EXE IGNORING_LAUNCHER WORK_DIR
# (the wine prefix below WORK_DIR is made by wine_prefix.sh)
set -uo pipefail

exe=$1 launcher=$2 work=$3
source "$(dirname "$0")/wine_env.sh"
require_executables "$exe" "$launcher"
command -v script >/dev/null || { echo "missing: script (util-linux)" >&2; exit 1; }
stop_wine_on_exit
mkdir -p "$work/console"

failures=0
title='<[enter]...>'
info='Hit RETURN to continue'
prompt='Input='

fail() {
  echo "FAIL $case: $1"
  failures=$((failures + 1))
}

# start CASE COMMAND...: runs COMMAND on a new pseudo-terminal of 100x40
# characters, with standard error in a file of its own. Keys typed go in
# through a named pipe that stays open until finish. Wine leaves the terminal's
# signal keys on and turns the interrupt signal of Ctrl-C into the console's
# Ctrl-C event; the suspend key is switched off so that Ctrl-Z reaches it.
start() {
  case=$1
  shift
  screen=$work/console/$case.screen err=$work/console/$case.err
  local keys=$work/console/$case.keys
  rm -f "$keys" "$screen" "$err"
  mkfifo "$keys"
  local command="stty cols 100 rows 40 susp undef; exec $(printf '%q ' "$@") 2>$(printf %q "$err")"
  script -qfec "$command" /dev/null <"$keys" >"$screen" &
  console_pid=$!
  exec 3>"$keys"
}

# seen TEXT: waits until TEXT stands on the screen.
seen() {
  local text=$1 tries=0
  until grep -qaF -- "$text" "$screen"; do
    if ! kill -0 "$console_pid" 2>/dev/null; then
      fail "ended before \"$text\" stood on the screen"
      return 1
    fi
    if [ $((tries += 1)) -gt 1200 ]; then
      fail "waited in vain for \"$text\""
      return 1
    fi
    sleep 0.1
  done
}

# A program that has ended takes no keys; that shows in how it ended.
trap '' PIPE
type_keys() {
  printf "$1" >&3 2>/dev/null
}

# finish EXPECTED_STATUS EXPECTED_STDERR: closes the keyboard and checks how
# the program ended. Without an end of its own it is stopped after a while.
finish() {
  local expected_status=$1 expected_err=$2 status
  local stopped=$work/console/$case.stopped
  rm -f "$stopped"
  # Kept off the test's output, which would otherwise stay open while it sleeps.
  ( sleep 60 && touch "$stopped" && kill "$console_pid" ) >/dev/null 2>&1 &
  local watchdog=$!
  wait "$console_pid"
  status=$?
  exec 3>&-
  kill "$watchdog" 2>/dev/null
  [ ! -e "$stopped" ] || fail "did not end by itself; stopped after 60 seconds"
  [ "$status" = "$expected_status" ] || fail "exit status $status, expected $expected_status"
  local got_err
  got_err=$(cat "$err"; echo x)
  [ "$got_err" = "${expected_err}x" ] ||
    fail "standard error $(printf %q "${got_err%x}"), expected $(printf %q "$expected_err")"
  echo "ran $case: status $status"
}

# Ctrl-C at the info screen's Enter wait, after the whole screen has arrived.
start interrupt-at-enter-wait "$wine" "$exe"
seen "$title" && type_keys '\r' && seen "$info" && type_keys '\003'
finish 1 $'Interrupt\r\n'

# Ctrl-C while a reply is half typed.
start interrupt-in-reply "$wine" "$exe"
seen "$title" && type_keys '\r' && seen "$info" && type_keys '\r' &&
  seen "$prompt" && type_keys '2' && sleep 1 && type_keys '\003'
finish 1 $'Interrupt\r\n'

# Started with Ctrl-C ignored: a Ctrl-C at an Enter wait must neither end the
# program nor be taken for the end of input; it goes on to the user's quit.
start interrupt-ignored "$wine" "$launcher" "$exe"
seen "$title" && type_keys '\003' && sleep 1 && type_keys '\r' &&
  seen "$info" && type_keys '\003' && sleep 1 && type_keys '\r' &&
  seen "$prompt" && type_keys '0\r' && seen 'Ende des Programms'
finish 0 ''

# Ctrl-Z and Enter at the title's Enter wait: the end of input, after which the
# dialogue runs on to its next read and ends there.
start end-of-input-ctrl-z "$wine" "$exe"
seen "$title" && type_keys '\032\r'
finish 2 $'read start: end of file\r\n'

echo "$failures failures"
[ "$failures" -eq 0 ]
