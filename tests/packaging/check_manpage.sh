#!/bin/sh
# Checks one manual page: formatted by groff with the man and with the mandoc
# macros, for each device given, with every warning on, it must format
# without a single warning; its title line must carry the program's version;
# and, where man-db's lexgrog is installed, its NAME section must give the
# whatis entry that apropos and man -f show.
#
# usage: check_manpage.sh PAGE VERSION DEVICE...
set -eu
page=$1 version=$2
shift 2

command -v groff >/dev/null || { echo "groff is not installed (Debian: groff-base)"; exit 1; }

failed=0
for device in "$@"; do
  for macros in man mandoc; do
    if ! warnings=$(groff -ww -"$macros" -z -T"$device" "$page" 2>&1) || [ -n "$warnings" ]; then
      echo "groff -ww -$macros -z -T$device $page:"
      echo "$warnings"
      failed=1
    fi
  done
done

title=$(grep '^\.TH ' "$page")
case $title in
  *"\"ausweichregeln $version\""*) ;;
  *) echo "title line does not name version $version: $title"; failed=1 ;;
esac

if command -v lexgrog >/dev/null; then
  if ! whatis=$(lexgrog "$page") || ! echo "$whatis" | grep -q ': "ausweichregeln - .'; then
    echo "no whatis entry: $whatis"
    failed=1
  fi
else
  echo "lexgrog (man-db) is not installed: whatis entry not checked"
fi

exit $failed
