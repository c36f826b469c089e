#!/bin/sh
# Checks that the plug-in imports only Windows' own DLLs and exports exactly
# the seven entry points the host calls, with undecorated names.
dll="$1"
objdump="${OBJDUMP:-i686-w64-mingw32-objdump}"
[ -f "$dll" ] || { echo "missing: $dll"; exit 1; }
dump=$("$objdump" -p "$dll") || exit 1
fail=0
allowed='^(kernel32|user32|gdi32|comctl32|comdlg32|shell32|shlwapi|advapi32|imm32|ole32|oleaut32|msvcrt|ucrtbase|api-ms-win-crt-[a-z0-9-]+|version|uxtheme)\.dll$'
imports=$(printf '%s\n' "$dump" | sed -n 's/^[[:space:]]*DLL Name: //p' | tr 'A-Z' 'a-z')
[ -n "$imports" ] || { echo "no imports found"; fail=1; }
for d in $imports; do
  if printf '%s\n' "$d" | grep -Eq "$allowed"; then echo "import ok: $d"; else echo "foreign import: $d"; fail=1; fi
done
exports=$(printf '%s\n' "$dump" | awk '/\[Ordinal\/Name Pointer\] Table/{on=1;next} on&&/^[[:space:]]*\[/{print $NF;next} on&&!/^[[:space:]]*\[/{on=0}' | sort | tr '\n' ' ')
want="GetBitmapID GetMenuTextID GetStatusMessageID OnCommand OnEvents PlugInProc QueryStatus "
echo "exports: $exports"
[ "$exports" = "$want" ] || { echo "expected exactly: $want"; fail=1; }
[ $fail -eq 0 ] && echo "dll check passed"
exit $fail
