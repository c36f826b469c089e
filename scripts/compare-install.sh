#!/usr/bin/env bash
# Installs what scripts/bench-outline.sh compares the outline scanner with:
# Node.js and npm and the LaTeX sources of Debian's LaTeX documentation
# (texlive-latex-base-doc) from apt, and the JavaScript parsers of
# bench/compare/package.json from npm into NPM_DIR. Quick when all is there.
# Never part of the test command: the comparison needs the npm registry.
#   compare-install.sh [NPM_DIR]     (default build/outline-bench/npm)
# Exit status 0 when everything is installed; otherwise 1, saying what is missing.
set -uo pipefail
cd "$(dirname "$0")/.."
npmdir=${1:-$(pwd)/build/outline-bench/npm}
mkdir -p "$npmdir"
log="$npmdir/install.log"
: >"$log"

have_pkg() { dpkg-query -W -f='${Status}' "$1" 2>/dev/null | grep -q "install ok installed"; }
missing=()
# Node.js may come from elsewhere with npm bundled (Debian's npm package then
# conflicts with it): the commands decide, not the package names.
command -v node >/dev/null || missing+=(nodejs)
command -v npm >/dev/null || missing+=(npm)
have_pkg texlive-latex-base-doc || missing+=(texlive-latex-base-doc)
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  apt-get install -y -qq --no-install-recommends "${missing[@]}" >>"$log" 2>&1 ||
    { apt-get update -qq >>"$log" 2>&1 && apt-get install -y -qq --no-install-recommends "${missing[@]}" >>"$log" 2>&1; }
fi
status=0
have_pkg texlive-latex-base-doc || { echo "texlive-latex-base-doc not installed (see $log)"; status=1; }
if ! command -v node >/dev/null || ! command -v npm >/dev/null; then
  echo "node or npm not installed (see $log)"
  exit 1
fi

# .installed: the package.json of the last install that succeeded.
if ! cmp -s bench/compare/package.json "$npmdir/.installed"; then
  cp bench/compare/package.json "$npmdir/"
  echo "Installing the JavaScript parsers"
  if (cd "$npmdir" && timeout 600 npm install --no-audit --no-fund >>"$log" 2>&1); then
    cp bench/compare/package.json "$npmdir/.installed"
  else
    echo "npm install failed (see $log)"
    status=1
  fi
fi
exit $status
