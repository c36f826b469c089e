#!/usr/bin/env bash
# Installs what the builds and tests need on Debian 12 (run as root).
# Quick when everything is already there.
set -euo pipefail

# texlive-lang-japanese and latexmk: the real-engine tests typeset with
# pLaTeX, upLaTeX, pdfLaTeX and latexmk through the shipped command sets.
need=()
have_pkg() { dpkg-query -W -f='${Status}' "$1" 2>/dev/null | grep -q "install ok installed"; }
for p in cmake make g++ pkg-config libgtest-dev googletest libbenchmark-dev \
         g++-mingw-w64-i686 mingw-w64-i686-dev wine wine32:i386 xvfb xauth \
         locales fonts-ipafont-gothic imagemagick x11-apps binutils-mingw-w64-i686 \
         texlive-latex-base texlive-binaries fp-utils \
         texlive-lang-japanese latexmk; do
  have_pkg "$p" || need+=("$p")
done

if [ ${#need[@]} -gt 0 ]; then
  echo "Installing: ${need[*]}"
  export DEBIAN_FRONTEND=noninteractive
  if ! dpkg --print-foreign-architectures | grep -qx i386; then
    dpkg --add-architecture i386
  fi
  apt-get update -qq
  apt-get install -y -qq --no-install-recommends "${need[@]}" >/dev/null
fi

# Where the kernel runs no 32-bit programs, Wine cannot run the plug-in; the
# dialog text-fit test then runs as a 64-bit program (scripts/wine64-fit.sh).
# Only there: with 32-bit Wine working, the 64-bit loader stays out of it.
if ! /usr/lib/wine/wine --version >/dev/null 2>&1; then
  extra=()
  for p in wine64 g++-mingw-w64-x86-64-posix; do have_pkg "$p" || extra+=("$p"); done
  if [ ${#extra[@]} -gt 0 ]; then
    echo "No 32-bit programs here; installing: ${extra[*]}"
    DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${extra[@]}" >/dev/null
  fi
fi

# Japanese Windows is emulated with a Japanese Linux locale (code page 932).
if ! locale -a 2>/dev/null | grep -qi '^ja_JP\.utf-\?8$'; then
  sed -i 's/^# *\(ja_JP.UTF-8 UTF-8\)/\1/' /etc/locale.gen
  grep -q '^ja_JP.UTF-8 UTF-8' /etc/locale.gen || echo 'ja_JP.UTF-8 UTF-8' >> /etc/locale.gen
  locale-gen >/dev/null
fi

# The outline benchmark's comparison with other parsers (scripts/bench-outline.sh,
# not the tests): Node.js, the JavaScript parsers from npm, Debian's LaTeX sources.
"$(dirname "$0")/compare-install.sh" || echo "The outline benchmark will leave the other parsers out."
