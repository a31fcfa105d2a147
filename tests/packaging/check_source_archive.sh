#!/bin/sh
# Makes the source archive and checks it against git: it must hold every
# file that git tracks, and nothing that git ignores (build trees, node
# modules) nor git's own files. Skipped (77) outside a git checkout.
#
# usage: check_source_archive.sh CPACK CPACK_SOURCE_CONFIG WORK_DIR SOURCE_DIR NAME
set -eu
cpack=$1 config=$2 work=$3 source=$4 name=$5

if ! command -v git >/dev/null || ! git -C "$source" rev-parse --is-inside-work-tree >/dev/null 2>&1; then
  echo "not a git checkout: the source archive is not checked"
  exit 77
fi

rm -rf "$work"
mkdir -p "$work"
if ! "$cpack" --config "$config" -B "$work" >"$work/cpack.log" 2>&1; then
  cat "$work/cpack.log"
  echo "cpack of the sources failed"
  exit 1
fi
archive="$work/$name.tar.gz"
[ -f "$archive" ] || { ls -l "$work"; echo "no archive $archive"; exit 1; }

# The files in the archive, relative to its top folder.
tar -tzf "$archive" | grep -v '/$' | sed "s|^$name/||" | sort >"$work/archived"
# What git tracks and the working tree still holds.
git -C "$source" ls-files --deleted >"$work/deleted"
git -C "$source" ls-files | grep -vxF -f "$work/deleted" | sort >"$work/tracked" || true

failed=0
missing=$(comm -23 "$work/tracked" "$work/archived")
[ -z "$missing" ] || { echo "tracked but not in the archive:"; echo "$missing"; failed=1; }
# Files git does not track are in the archive only if git would not ignore them.
comm -13 "$work/tracked" "$work/archived" >"$work/untracked"
ignored=$(cd "$source" && git check-ignore --stdin <"$work/untracked" || true)
[ -z "$ignored" ] || { echo "in the archive but ignored by git:"; echo "$ignored"; failed=1; }
if grep -Eq '(^|/)\.git(/|$)' "$work/archived"; then
  echo "git's own files are in the archive"
  failed=1
fi

[ "$failed" -eq 0 ] && echo "$archive: $(wc -l <"$work/archived") files, every tracked one"
exit "$failed"
