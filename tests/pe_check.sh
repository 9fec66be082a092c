#!/bin/sh
# A GUI executable for its architecture importing only system DLLs, with the
# icon group 1001 (16, 32 and 48 pixels) and the application manifest inside:
# its identity, common controls 6, no elevation, and per-monitor DPI
# awareness (with system awareness where per-monitor is not known).
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
# The manifest (RT_MANIFEST 1): its string pieces joined, read as XML.
# Windows refuses to start a program whose manifest is not well-formed.
printf '%s\n' "$rc" | sed -n '/^1 24 /,/^END/s/^ *"\(.*\)"$/\1/p' | tr -d '\n' | sed 's/\\n/\n/g' |
    python3 -c '
import sys, xml.etree.ElementTree as ET
cpu = sys.argv[1]
root = ET.fromstring(sys.stdin.read())  # a ParseError ends the check with a failure
ns = {"1": "urn:schemas-microsoft-com:asm.v1", "3": "urn:schemas-microsoft-com:asm.v3",
      "s5": "http://schemas.microsoft.com/SMI/2005/WindowsSettings",
      "s16": "http://schemas.microsoft.com/SMI/2016/WindowsSettings"}
ident, cc = "1:assemblyIdentity", "1:dependency/1:dependentAssembly/1:assemblyIdentity"
dpi = "3:application/3:windowsSettings/"
bad = 0
for path, attr, want in [(ident, "name", "mirabo"), (ident, "version", "1.0.0.0"), (ident, "processorArchitecture", cpu),
                         (cc, "name", "Microsoft.Windows.Common-Controls"), (cc, "version", "6.0.0.0"),
                         (cc, "publicKeyToken", "6595b64144ccf1df"), (cc, "processorArchitecture", cpu),
                         ("3:trustInfo/3:security/3:requestedPrivileges/3:requestedExecutionLevel", "level", "asInvoker"),
                         (dpi + "s5:dpiAware", None, "true/pm"), (dpi + "s16:dpiAwareness", None, "PerMonitorV2,PerMonitor")]:
    e = root.find(path, ns)
    got = None if e is None else (e.get(attr) if attr else (e.text or "").strip())
    if got != want:
        print("FAIL: manifest %s%s is %r, not %r" % (path, "@" + attr if attr else "", got, want))
        bad = 1
sys.exit(bad)
' "$cpu" || fail=1
[ $fail = 0 ] && echo "pe_check: $desc; ok"
exit $fail
