#!/bin/sh
# A GUI executable for its architecture importing only system DLLs, with the
# icon group 1001 (16, 32 and 48 pixels) and the application manifest inside.
set -u
fail=0
bad() { printf "FAIL: %s\n" "$*"; fail=1; }
if [ "$2" = win32 ]; then
    tools=i686-w64-mingw32 kind="PE32 executable (GUI) Intel 80386" cpu=x86
else
    tools=x86_64-w64-mingw32 kind="PE32+ executable (GUI) x86-64" cpu=amd64
fi
desc=$(file -b "$1")
case $desc in "$kind"*) ;; *) bad "not a $kind: $desc" ;; esac
for dll in $($tools-objdump -p "$1" | sed -n 's/^\s*DLL Name: //p' | tr A-Z a-z); do
    case $dll in
    kernel32.dll | user32.dll | gdi32.dll | shell32.dll | comctl32.dll | comdlg32.dll | msvcrt.dll | advapi32.dll) ;;
    *) bad "imports $dll" ;;
    esac
done
# The resources as a script (windres doubles the quotes in strings).
rc=$($tools-windres -i "$1" -O rc | sed 's/""/"/g')
has() { printf '%s\n' "$rc" | sed -n "/^$1 $2 /,/^END/p" | grep -qF "$3" || bad "resource $1/$2 lacks $3"; }
for text in 'Has 3 elements' '"\020\020\000\000"' '"\040\040\000\000"' '"\060\060\000\000"'; do
    has 1001 14 "$text"  # RT_GROUP_ICON
done
has 1 24 "name=\"mirabo\" version=\"1.0.0.0\" processorArchitecture=\"$cpu\""  # RT_MANIFEST
has 1 24 'name="Microsoft.Windows.Common-Controls" version="6.0.0.0"'
has 1 24 'level="asInvoker"'
[ $fail = 0 ] && echo "pe_check: $desc; ok"
exit $fail
