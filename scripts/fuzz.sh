#!/usr/bin/env bash
# Builds the libFuzzer targets (fuzz/) with clang into build/fuzz and runs
# each for a fixed short time. Exits non-zero when a target finds a crash or
# a sanitizer report, or when the build fails.
#   FUZZ_SECONDS  time per target (default 20)
set -uo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)
seconds=${FUZZ_SECONDS:-20}

have_pkg() { dpkg-query -W -f='${Status}' "$1" 2>/dev/null | grep -q "install ok installed"; }
if ! command -v clang++ >/dev/null || ! have_pkg libclang-rt-14-dev; then
  echo "Installing clang and its fuzzer runtime"
  export DEBIAN_FRONTEND=noninteractive
  apt-get install -y -qq --no-install-recommends clang libclang-rt-14-dev >/dev/null ||
    { apt-get update -qq && apt-get install -y -qq --no-install-recommends clang libclang-rt-14-dev >/dev/null; } ||
    { echo "cannot install clang"; exit 1; }
fi

build="$root/build/fuzz"
cmake -S fuzz -B "$build" -DCMAKE_CXX_COMPILER=clang++ >"$build.cmake.log" 2>&1 ||
  { cat "$build.cmake.log"; echo "fuzz: configure failed"; exit 1; }
cmake --build "$build" -j"$(nproc 2>/dev/null || echo 2)" >"$build.make.log" 2>&1 ||
  { grep -E 'error' "$build.make.log" | head -n 40; echo "fuzz: build failed"; exit 1; }

status=0
for target in "$build"/*_fuzz; do
  [ -f "$target" ] && [ -x "$target" ] || continue
  name=$(basename "$target")
  corpus="$build/corpus/$name"
  mkdir -p "$corpus"
  echo "=== fuzz: $name for ${seconds}s"
  # Crash reproducers go into the build folder, not the source tree.
  if ASAN_OPTIONS=detect_leaks=1 "$target" -max_total_time="$seconds" -max_len=65536 \
       -artifact_prefix="$build/$name-" -print_final_stats=1 "$corpus" >"$build/$name.log" 2>&1; then
    grep -E '^(stat::number_of_executed_units|#[0-9]+ +DONE)' "$build/$name.log" | tail -n 2
  else
    tail -n 60 "$build/$name.log"
    echo "fuzz: $name FAILED"
    status=1
  fi
done
exit $status
