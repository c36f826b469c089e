#!/usr/bin/env bash
# Builds both trees from clean and runs every test: native, native under
# AddressSanitizer + UndefinedBehaviorSanitizer, and the Windows build under
# Wine (English and Japanese locales). Exits non-zero on any failure.
set -uo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)
bash scripts/setup.sh || { echo "setup failed"; exit 1; }
. scripts/wine-env.sh

jobs=$(nproc 2>/dev/null || echo 2)
passed=0
failed=0
status=0

# run_ctest NAME DIR [ctest args...]: runs CTest and adds its counts.
run_ctest() {
  local name="$1" dir="$2"; shift 2
  local log="$root/build/ctest-$name.log"
  echo "=== $name: tests"
  (cd "$dir" && ctest --output-on-failure "$@") 2>&1 | tee "$log"
  local line p t f
  line=$(grep -E '[0-9]+% tests passed, [0-9]+ tests? failed out of [0-9]+' "$log" | tail -n 1)
  if [ -z "$line" ]; then
    echo "$name: no test summary"; status=1; return
  fi
  f=$(echo "$line" | sed -E 's/.* ([0-9]+) tests? failed out of ([0-9]+).*/\1/')
  t=$(echo "$line" | sed -E 's/.* failed out of ([0-9]+).*/\1/')
  p=$((t - f))
  passed=$((passed + p)); failed=$((failed + f))
  [ "$f" -eq 0 ] || status=1
}

# build NAME DIR [cmake args...]
build() {
  local name="$1" dir="$2"; shift 2
  echo "=== $name: build"
  rm -rf "$dir"
  if ! cmake -S . -B "$dir" "$@" >"$root/build/cmake-$name.log" 2>&1; then
    cat "$root/build/cmake-$name.log"; echo "$name: configure failed"; status=1; return 1
  fi
  if ! cmake --build "$dir" -j"$jobs" >"$root/build/make-$name.log" 2>&1; then
    grep -E 'error|Error' "$root/build/make-$name.log" | head -n 40
    echo "$name: build failed"; status=1; failed=$((failed + 1)); return 1
  fi
}

mkdir -p build
rm -rf dist

if build native build/native; then
  run_ctest native build/native -j"$jobs"
fi

if build sanitizers build/asan -DVEXA_SANITIZE=ON; then
  ASAN_OPTIONS=detect_leaks=0:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1 \
    run_ctest sanitizers build/asan -j"$jobs"
fi

# Short fuzzing runs of the file readers (clang, libFuzzer, sanitizers).
echo "=== fuzz"
rm -rf build/fuzz
if FUZZ_SECONDS="${FUZZ_SECONDS:-15}" bash scripts/fuzz.sh; then
  passed=$((passed + 1))
else
  failed=$((failed + 1)); status=1
fi

# Wine runs the 32-bit plug-in only where the kernel runs 32-bit programs;
# some machines have that switched off (no ia32 emulation). There the Wine
# tests cannot run at all: the rest of the Windows tree's tests still run
# and the summary says plainly that the Wine tests did not.
can_run_32bit() { /usr/lib/wine/wine --version >/dev/null 2>&1; }

if build windows build/win --toolchain cmake/toolchain-mingw-i686.cmake; then
  if ! can_run_32bit; then
    echo "=== wine: NOT RUN - this machine cannot execute 32-bit programs (kernel ia32 emulation off)"
    wine_skipped=$(cd build/win && ctest -N -R '^wine' | grep -c 'Test *#')
    run_ctest windows-without-wine build/win -j"$jobs" -E '^wine'
    # The dialog text-fit test reads only the libraries' resources: it runs
    # as a 64-bit program in both locales, in place of its two Wine runs.
    if vexa_start_display; then
      bash scripts/wine64-fit.sh 2>&1 | tee "$root/build/wine64-fit.log"
      fit_failed=${PIPESTATUS[0]}
      vexa_stop_display
      passed=$((passed + 2 - fit_failed)); failed=$((failed + fit_failed))
      [ "$fit_failed" -eq 0 ] || status=1
      wine_skipped=$((wine_skipped - 2))
    else
      status=1
    fi
  elif vexa_start_display; then
    # Both prefixes are made up front: a prefix's first start takes seconds.
    vexa_init_prefix "$root/build/win/wine-en" C.UTF-8 & en=$!
    vexa_init_prefix "$root/build/win/wine-ja" ja_JP.UTF-8 & ja=$!
    wait "$en" "$ja"   # not a bare wait: Xvfb is a child too
    run_ctest wine build/win -j"$jobs" --timeout 900
    vexa_stop_display
  else
    status=1
  fi
fi

echo
if [ -n "${wine_skipped:-}" ]; then
  echo "total: $passed passed, $failed failed, $wine_skipped Wine tests not run (no 32-bit support on this machine)"
else
  echo "total: $passed passed, $failed failed"
fi
exit $status
