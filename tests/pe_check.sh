#!/bin/sh
# The built program is the kind of file it must be: a GUI executable for
# its architecture, with the icon group 1001 and the application manifest
# embedded, and no DLL beyond the system's own.
set -u
exe=$1
arch=$2
fail=0
check() { if ! eval "$2"; then echo "FAIL: $1"; fail=1; fi; }

desc=$(file -b "$exe")
case "$arch" in
win32) check "PE32 i386 GUI ($desc)" 'echo "$desc" | grep -q "PE32 executable (GUI) Intel 80386"' ;;
win64) check "PE32+ x86-64 GUI ($desc)" 'echo "$desc" | grep -q "PE32+ executable (GUI) x86-64"' ;;
esac

prefix=$([ "$arch" = win32 ] && echo i686 || echo x86_64)-w64-mingw32
dump=$($prefix-objdump -p "$exe")
for dll in $(echo "$dump" | sed -n 's/^\s*DLL Name: //p'); do
    case $(echo "$dll" | tr 'A-Z' 'a-z') in
    kernel32.dll | user32.dll | gdi32.dll | shell32.dll | comctl32.dll | comdlg32.dll | msvcrt.dll | advapi32.dll) ;;
    *) echo "FAIL: imports $dll"; fail=1 ;;
    esac
done

tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
$prefix-objcopy -O binary --only-section=.rsrc "$exe" "$tmp/rsrc" 2>/dev/null
check "resource section present" '[ -s "$tmp/rsrc" ]'
# Manifest text as the resource holds it (it is stored as bytes).
manifest=$(strings -n 8 "$tmp/rsrc" | tr -d '\r')
check "manifest names the assembly mirabo 1.0.0.0" \
    'echo "$manifest" | grep -q "assemblyIdentity type=\"win32\" name=\"mirabo\" version=\"1.0.0.0\""'
check "manifest depends on common controls 6" \
    'echo "$manifest" | grep -q "Microsoft.Windows.Common-Controls\" version=\"6.0.0.0\""'
check "manifest runs asInvoker" 'echo "$manifest" | grep -q "level=\"asInvoker\""'
if [ "$arch" = win32 ]; then
    check "manifest is for x86" 'echo "$manifest" | grep -q "processorArchitecture=\"x86\""'
fi
# The icon images: 16, 32 and 48 pixel BITMAPINFOHEADERs (40, size, 2*size).
for s in 16 32 48; do
    hex=$(printf '28000000%02x000000%02x000000' "$s" $((2 * s)))
    check "icon image ${s}x$s" 'od -An -tx1 -v "$tmp/rsrc" | tr -d " \n" | grep -q "$hex"'
done
[ $fail = 0 ] && echo "pe_check: $desc; ok"
exit $fail
