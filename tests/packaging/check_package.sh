#!/bin/sh
# Builds the Debian package of the current build tree, checks its control
# fields and its contents, unpacks it into a scratch root with dpkg-deb -x and
# runs the unpacked program through one scripted analysis and one input that
# ends too early.
#
# usage: check_package.sh CPACK CPACK_CONFIG WORK_DIR SOURCE_DIR VERSION
set -eu
cpack=$1 config=$2 work=$3 source=$4 version=$5

failed=0
fail() {
  echo "FAIL: $*"
  failed=1
}

rm -rf "$work"
mkdir -p "$work"
if ! "$cpack" --config "$config" -G DEB -B "$work" >"$work/cpack.log" 2>&1; then
  cat "$work/cpack.log"
  echo "cpack -G DEB failed"
  exit 1
fi

arch=$(dpkg --print-architecture)
deb="$work/ausweichregeln_${version}-1_${arch}.deb"
[ -f "$deb" ] || { ls -l "$work"; echo "no package $deb"; exit 1; }

# --- control fields ---------------------------------------------------------
field() { dpkg-deb --field "$deb" "$1"; }
[ "$(field Package)" = ausweichregeln ] || fail "Package: $(field Package)"
[ "$(field Version)" = "${version}-1" ] || fail "Version: $(field Version)"
[ "$(field Architecture)" = "$arch" ] || fail "Architecture: $(field Architecture)"
[ "$(field Section)" = misc ] || fail "Section: $(field Section)"
[ "$(field Priority)" = optional ] || fail "Priority: $(field Priority)"
echo "$(field Maintainer)" | grep -Eq '^[^<>]+ <[^<>@ ]+@[^<> ]+>$' ||
  fail "Maintainer is not 'Name <address>': $(field Maintainer)"

# The synopsis, then the English paragraph, a paragraph break and the German.
description=$(field Description)
echo "$description" | head -n 1 | grep -q '^give-way advisor for skippers' ||
  fail "synopsis: $(echo "$description" | head -n 1)"
echo "$description" | grep -q '^ An interactive console advisor' || fail "no English long description"
echo "$description" | grep -qx ' \.' || fail "no paragraph break in the long description"
echo "$description" | grep -q '^ Deutsch: Ein interaktiver Ratgeber' || fail "no German long description"

# Only the C and C++ run-time libraries, and the C library surely among them.
depends=$(field Depends)
for dep in $(echo "$depends" | tr ',' '\n' | sed 's/(.*)//; s/ //g'); do
  case $dep in
    libc6 | libgcc-s1 | libstdc++6) ;;
    *) fail "unneeded dependency $dep in: $depends" ;;
  esac
done
echo "$depends" | grep -Eq '(^|, )libc6( |,|$)' || fail "libc6 missing from Depends: $depends"

# --- contents ---------------------------------------------------------------
# Every file with its mode and owner; directories are left out.
dpkg-deb --contents "$deb" | awk '$1 !~ /^d/ {print $1, $2, $6}' | sort >"$work/contents"
sort >"$work/expected" <<EOF
-rwxr-xr-x root/root ./usr/bin/ausweichregeln
-rw-r--r-- root/root ./usr/share/doc/ausweichregeln/changelog.Debian.gz
-rw-r--r-- root/root ./usr/share/doc/ausweichregeln/copyright
-rw-r--r-- root/root ./usr/share/lintian/overrides/ausweichregeln
-rw-r--r-- root/root ./usr/share/man/de/man1/ausweichregeln.1.gz
-rw-r--r-- root/root ./usr/share/man/man1/ausweichregeln.1.gz
EOF
diff -u "$work/expected" "$work/contents" || fail "package contents differ"

root="$work/root"
dpkg-deb -x "$deb" "$root"
program="$root/usr/bin/ausweichregeln"
[ -x "$program" ] || { echo "no program in the package"; exit 1; }

# The pages in the package are the pages of the source tree, compressed.
for page in man1/ausweichregeln.1:ausweichregeln.1 de/man1/ausweichregeln.1:ausweichregeln.de.1; do
  installed="$root/usr/share/man/${page%%:*}.gz"
  gzip -dc "$installed" | cmp -s - "$source/man/${page#*:}" ||
    fail "$installed is not man/${page#*:}"
done
gzip -dc "$root/usr/share/doc/ausweichregeln/changelog.Debian.gz" | head -n 1 |
  grep -q "^ausweichregeln (${version}-1) " || fail "changelog does not start with version ${version}-1"

# The copyright file carries the licence text of LICENSE word for word.
copyright="$root/usr/share/doc/ausweichregeln/copyright"
head -n 1 "$copyright" |
  grep -qx 'Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/' ||
  fail "copyright is not in the machine-readable format"
sed -n '/^License: Expat$/,$p' "$copyright" | tail -n +2 | sed 's/^ //; s/^\.$//' >"$work/licence"
sed -n '/^Permission is hereby granted/,$p' "$source/LICENSE" | diff -u - "$work/licence" ||
  fail "copyright does not hold the licence text of LICENSE"

if command -v readelf >/dev/null; then
  readelf -S "$program" | grep -q '\.symtab' && fail "the program in the package is not stripped"
  # Hardened: relocations read-only and bound at start.
  readelf -lW "$program" | grep -q GNU_RELRO || fail "the program has no read-only relocations"
  readelf -dW "$program" | grep -Eq 'BIND_NOW|FLAGS.*NOW' ||
    fail "the program's relocations are not bound at start"
fi

# lintian, where installed: no error, no warning, and none of its hardening
# tags at any level.
if command -v lintian >/dev/null; then
  lintian_status=0
  lintian --display-info --fail-on error,warning "$deb" >"$work/lintian.log" 2>&1 || lintian_status=$?
  if [ "$lintian_status" -ne 0 ] || grep -q '^[EWI]: .*hardening-' "$work/lintian.log"; then
    cat "$work/lintian.log"
    fail "lintian (status $lintian_status)"
  fi
else
  echo "lintian is not installed: the package is not checked with it"
fi

# --- one scripted analysis --------------------------------------------------
# Two sailing vessels on the high seas, open sea, clear visibility, nobody
# overtaking, A with the wind from port and B from starboard; Enter at the
# end-of-analysis screen and at the next title and info screens, then 0.
printf '\n\n2\n2\n2\n1\n1\n1\n1\n2\n\n\n\n0\n' >"$work/analysis.in"
status=0
"$program" <"$work/analysis.in" >"$work/analysis.out" 2>"$work/analysis.err" || status=$?
[ "$status" -eq 0 ] || fail "analysis: exit status $status, expected 0"
[ ! -s "$work/analysis.err" ] || fail "analysis: standard error: $(cat "$work/analysis.err")"

# From the question for B's wind side to the end-of-analysis screen, without
# the empty lines: the default 3 of the first run, and the rule 12 verdict.
grep -v '^$' "$work/analysis.out" |
  sed -n '/^ Wind, von welcher Seite fuer gegner\. Schiff B ?$/,/<=== ENDE der ANALYSE ===>/p' \
    >"$work/verdict"
cat >"$work/verdict.expected" <<'EOF'
 Wind, von welcher Seite fuer gegner. Schiff B ?
 1=von BB,  3= BB,  aber vom A nicht erkennbar!
 2=von StB, 4= StB, aber vom A nicht erkennbar!
 =====================================================
        [Default:   3]    Input=
 #####################################################
 Regel 12a(i): A ist ausweichpflichtig
 #####################################################
             <=== ENDE der ANALYSE ===>
EOF
diff -u "$work/verdict.expected" "$work/verdict" || fail "analysis: verdict differs"

[ "$(grep -c '^              Ausweichregeln  $' "$work/analysis.out")" -eq 2 ] ||
  fail "analysis: expected two title screens"
[ "$(tail -n 1 "$work/analysis.out")" = " #################### Ende des Programms ############" ] ||
  fail "analysis: last line is not the end-of-program line: $(tail -n 1 "$work/analysis.out")"

# --- input that ends at the info screen -------------------------------------
status=0
"$program" </dev/null >"$work/empty.out" 2>"$work/empty.err" || status=$?
[ "$status" -eq 2 ] || fail "empty input: exit status $status, expected 2"
[ "$(cat "$work/empty.err")" = "read start: end of file" ] ||
  fail "empty input: standard error: $(cat "$work/empty.err")"

[ "$failed" -eq 0 ] && echo "package $deb: control fields, contents and program checked"
exit "$failed"
