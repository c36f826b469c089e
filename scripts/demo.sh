#!/usr/bin/env bash
# Builds the Windows tree and starts the stand-in host with the plug-in on
# the sample document; in Japanese under a Japanese locale
# (LANG=ja_JP.UTF-8 bash scripts/demo.sh). On a display it stays open;
# without one it runs on a private Xvfb, saves a screenshot and prints its
# path.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)
bash scripts/setup.sh
. scripts/wine-env.sh

if [ ! -f build/win/CMakeCache.txt ]; then
  cmake -S . -B build/win --toolchain cmake/toolchain-mingw-i686.cmake >/dev/null
fi
cmake --build build/win -j"$(nproc)" --target vexa2_host dist >/dev/null

headless=0
[ -n "${DISPLAY:-}" ] || headless=1
vexa_start_display
export WINEPREFIX="${VEXA_DEMO_PREFIX:-$root/build/wine-demo}" WINEDEBUG=-all
vexa_init_prefix "$WINEPREFIX" "${LANG:-C.UTF-8}"

# The release archive unpacked afresh, as a user installs it: the plug-in
# writes its settings beside itself, and dist/ stays as built. Japanese
# locales get the default language (Japanese); others choose English, as a
# user there would in the language chooser.
install="$root/build/demo"
rm -rf "$install" && mkdir -p "$install"
(cd "$install" && cmake -E tar xf "$(ls "$root"/dist/vexa2-*.zip | head -n 1)")
case "${LANG:-}" in
  ja*) ;;
  *) printf '[Language]\r\nDLL=Vexa2EN.dll\r\n' > "$install/vexa2/Vexa2Lang/Vexa2Lang.ini" ;;
esac

host=(build/win/bin/hostedit.exe /plugin "$(winepath -w "$install/vexa2/vexa2.dll")" "$(winepath -w "$root/samples/sample.tex")")
if [ $headless -eq 0 ]; then
  exec wine "${host[@]}"
fi

# Headless: a Wine desktop draws window captions for the screenshot.
wine explorer /desktop=vexa2demo,1024x768 "${host[@]}" &
pid=$!
sleep "${VEXA_DEMO_WAIT:-8}"
shot="$root/build/demo.png"
/usr/bin/import -window root -crop 1024x768+0+0 -display "$DISPLAY" "$shot"
kill "$pid" 2>/dev/null || true
WINEPREFIX="$WINEPREFIX" wineserver -k 2>/dev/null || true
vexa_stop_display
echo "screenshot: $shot"
