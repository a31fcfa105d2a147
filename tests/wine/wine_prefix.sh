#!/usr/bin/env bash
# Creates (or brings up to date) the wine prefix that the wine tests share.
# The first start of wine creates it, which takes a while and talks on standard
# error; done here, it cannot mix into the output of a compared run.
#
# usage: wine_prefix.sh WORK_DIR
set -euo pipefail
work=$1
source "$(dirname "$0")/wine_env.sh"
require_executables
stop_wine_on_exit

mkdir -p "$work"
echo "preparing the wine prefix $WINEPREFIX"
# On a new prefix wineboot reports a failure for the missing 32-bit part,
# which console programs do not need; what counts is the prefix it leaves.
"$wine" wineboot --init || echo "wineboot ended with status $?"
"$wineserver" -w
[ -f "$WINEPREFIX/system.reg" ] || { echo "wine created no prefix" >&2; exit 1; }
