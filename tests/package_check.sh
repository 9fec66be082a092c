#!/bin/sh
# The release package as a user gets it: unpacked into an empty folder it
# holds one folder with mirabo.exe and readme.txt; the readme is the one
# made from the program's tables, in code page 932 with CR LF line ends
# only; and the program runs from that folder under a fresh Wine prefix,
# writing system.ini beside itself (tests/smoke32.sh, in place).
set -u
zip=$1 readme=$2 core_tests=$3
root=$(cd "$(dirname "$0")/.." && pwd)
fail=0
bad() { printf "FAIL: %s\n" "$*"; fail=1; }

[ -f "$zip" ] || { echo "FAIL: no package $zip (cmake --build <tree> --target package)"; exit 1; }
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
(cd "$work" && cmake -E tar xf "$zip") || { echo "FAIL: $zip does not unpack"; exit 1; }
name=$(basename "$zip" .zip)
dir="$work/$name" txt="$work/$name/readme.txt"
listing=$(cd "$work" && find . -type f | sort | tr '\n' ' ')
[ "$listing" = "./$name/mirabo.exe ./$name/readme.txt " ] || bad "the package holds: $listing"

file -b "$dir/mirabo.exe" | grep -q '^PE32 executable (GUI) Intel 80386' || bad "mirabo.exe is not the 32-bit GUI program"
x86_64-w64-mingw32-objdump -h "$dir/mirabo.exe" 2>/dev/null | grep -q '\.debug' && bad "mirabo.exe is not stripped"
# The version of the package's name is the one in the version resource.
version=$(echo "$name" | sed -n 's/^mirabo-\([0-9.]*\)-win32$/\1/p')
i686-w64-mingw32-windres -i "$dir/mirabo.exe" -O rc 2>/dev/null | grep -qF "VALUE \"FileVersion\", \"$version.0\"" ||
    bad "the version resource does not say $version"

cmp -s "$txt" "$readme" || bad "readme.txt is not the one made from the tables"
iconv -f CP932 -t UTF-8 "$txt" >"$work/readme.utf8" 2>/dev/null || bad "readme.txt is not code page 932 text"
# Every line ends in CR LF, and no CR stands alone.
lf=$(tr -cd '\n' <"$txt" | wc -c) crlf=$(grep -c "$(printf '\r')\$" "$txt") cr=$(tr -cd '\r' <"$txt" | wc -c)
[ "$lf" -gt 0 ] && [ "$lf" = "$crlf" ] && [ "$cr" = "$lf" ] || bad "readme.txt line ends: $lf LF, $crlf CR LF, $cr CR"
for text in Mirabo system.ini '[HEX02R]' '\1' 'Alt+O'; do
    grep -qF "$text" "$work/readme.utf8" || bad "readme.txt lacks $text"
done
grep -q '@[A-Z_]*@' "$work/readme.utf8" && bad "readme.txt keeps a placeholder"

[ $fail = 0 ] && echo "package_check: $name.zip holds mirabo.exe ($(wc -c <"$dir/mirabo.exe") bytes) and readme.txt ($lf lines); $(wc -c <"$zip") bytes in all"
SMOKE_IN_PLACE=1 "$root/tests/smoke32.sh" "$dir/mirabo.exe" "$core_tests"
smoke=$?
[ $smoke = 77 ] && [ $fail = 0 ] && exit 77
[ $smoke = 0 ] && [ -f "$dir/system.ini" ] || bad "the program did not run from the package or wrote no system.ini beside itself"
exit $fail
