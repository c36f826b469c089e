#!/usr/bin/env bash
# The dialog text-fit test on a machine that cannot run 32-bit programs:
# the test only reads the language libraries' resources, which a 64-bit
# process can, so it is compiled as a 64-bit program and run under 64-bit
# Wine in the English and the Japanese locale. Needs dist/ built; sourced
# environment from scripts/wine-env.sh and a display (DISPLAY).
# Exit status: the number of locales in which the test failed.
set -uo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)
out="$root/build/wine64"
gtest=/usr/src/googletest/googletest
cxx=x86_64-w64-mingw32-g++-posix
flags=(-O1 -std=c++20 -DUNICODE -D_UNICODE -DWIN32_LEAN_AND_MEAN -DNOMINMAX -DGTEST_HAS_PTHREAD=0)
mkdir -p "$out/bin"
for part in gtest-all gtest_main; do
  [ -f "$out/$part.o" ] || "$cxx" "${flags[@]}" -I"$gtest/include" -I"$gtest" -c "$gtest/src/$part.cc" -o "$out/$part.o" \
    || { echo "wine64-fit: cannot build GoogleTest for 64-bit"; exit 2; }
done
# The program sits below the source tree, so it finds dist\ as the 32-bit tests do.
"$cxx" "${flags[@]}" -I"$root" -I"$gtest/include" "$root/tests/wine/dialog_text_fit_test.cpp" \
  "$out/gtest-all.o" "$out/gtest_main.o" -o "$out/bin/dialog_text_fit_test.exe" -static -lcomctl32 -lgdi32 -luser32 \
  || { echo "wine64-fit: cannot build the test"; exit 2; }

failed=0
for locale in C.UTF-8 ja_JP.UTF-8; do
  prefix="$out/prefix-${locale%%.*}"
  if [ ! -f "$prefix/system.reg" ]; then
    WINEPREFIX="$prefix" WINEDEBUG=-all LANG="$locale" LC_ALL="$locale" /usr/lib/wine/wine64 wineboot -i >/dev/null 2>&1
  fi
  echo "--- dialog_text_fit_test, 64-bit, $locale"
  if WINEPREFIX="$prefix" WINEDEBUG=-all LANG="$locale" LC_ALL="$locale" \
       timeout 300 /usr/lib/wine/wine64 "$out/bin/dialog_text_fit_test.exe"; then
    echo "--- passed ($locale)"
  else
    echo "--- FAILED ($locale)"; failed=$((failed + 1))
  fi
  WINEPREFIX="$prefix" /usr/lib/wine/wineserver -k 2>/dev/null || true
done
exit $failed
