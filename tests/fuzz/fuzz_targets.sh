#!/usr/bin/env bash
# The parsers' fuzz targets (tests/fuzz/targets), built with clang's
# libFuzzer and sanitizers in a build folder of their own.
#
#   fuzz_targets.sh replay BUILD_DIR          every seed and saved crash input once
#   fuzz_targets.sh run BUILD_DIR [SECONDS]   each target for SECONDS (default 60)
#
# Seeds are tests/fuzz/corpus/<target>/, crash inputs found earlier (and
# fixed) tests/fuzz/crashes/<target>/. A run grows its corpus in
# BUILD_DIR/corpus/<target>/, never in the tree, and leaves what it finds
# in BUILD_DIR/artifacts/<target>/. Exit 77: clang or its fuzzer runtime
# is missing (scripts/install-deps.sh installs them).
set -euo pipefail

mode=${1:?usage: fuzz_targets.sh replay|run BUILD_DIR [SECONDS]}
buildDir=${2:?usage: fuzz_targets.sh replay|run BUILD_DIR [SECONDS]}
seconds=${3:-60}
here=$(cd "$(dirname "$0")" && pwd)
sourceDir=$(cd "$here/../.." && pwd)
cxx=${PELLAR_FUZZ_CXX:-clang++}

skip() {
  echo "SKIP: $*"
  exit 77
}

command -v "$cxx" >/dev/null || skip "$cxx is not installed (scripts/install-deps.sh installs clang)"
probe=$(mktemp -d)
trap 'rm -rf "$probe"' EXIT
echo 'extern "C" int LLVMFuzzerTestOneInput(const unsigned char*, unsigned long) { return 0; }' >"$probe/probe.cpp"
"$cxx" -fsanitize=fuzzer,address,undefined "$probe/probe.cpp" -o "$probe/probe" 2>"$probe/why" ||
  skip "$cxx cannot link a fuzzer (is libclang-rt-14-dev installed?): $(head -n 1 "$probe/why")"

# Configured once; ninja then rebuilds only what changed.
if [[ ! -f "$buildDir/build.ninja" ]]; then
  options=(-DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER="$cxx" -DPELLAR_FUZZ=ON)
  launcher=${PELLAR_FUZZ_LAUNCHER:-$(command -v ccache || true)}
  [[ -n "$launcher" ]] && options+=(-DCMAKE_CXX_COMPILER_LAUNCHER="$launcher")
  mkdir -p "$buildDir"
  cmake -S "$sourceDir" -B "$buildDir" -G Ninja "${options[@]}" >"$buildDir/fuzz-configure.log" 2>&1 ||
    { cat "$buildDir/fuzz-configure.log" >&2; exit 1; }
fi
# Two jobs: the machine's cores are shared.
cmake --build "$buildDir" --target fuzz-targets -j 2 >"$buildDir/fuzz-build.log" 2>&1 ||
  { tail -n 60 "$buildDir/fuzz-build.log" >&2; exit 1; }

mapfile -t targets <"$buildDir/fuzzers/targets.txt"
export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=1}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1}
# An input that keeps a parser busy this many seconds is a hang, kept as a
# finding like a crash.
hang=10

failed=()
summary=()
for target in "${targets[@]}"; do
  program="$buildDir/fuzzers/$target"
  seeds="$here/corpus/$target"
  crashes="$here/crashes/$target"
  log="$buildDir/logs/$target.log"
  mkdir -p "$buildDir/logs"
  if [[ $mode == replay ]]; then
    mapfile -t inputs < <(find "$seeds" "$crashes" -type f 2>/dev/null | sort)
    if [[ ${#inputs[@]} -eq 0 ]]; then
      failed+=("$target (no seeds in tests/fuzz/corpus/$target)")
      continue
    fi
    if "$program" -timeout="$hang" "${inputs[@]}" >"$log" 2>&1; then
      summary+=("$(printf '%-22s %4d inputs replayed' "$target" "${#inputs[@]}")")
    else
      failed+=("$target")
      tail -n 40 "$log"
    fi
  else
    corpus="$buildDir/corpus/$target"
    artifacts="$buildDir/artifacts/$target"
    mkdir -p "$corpus" "$artifacts"
    dirs=("$corpus" "$seeds")
    [[ -d "$crashes" ]] && dirs+=("$crashes")
    echo "fuzzing $target for ${seconds}s"
    status=0
    "$program" -max_total_time="$seconds" -timeout="$hang" -print_final_stats=1 -artifact_prefix="$artifacts/" \
      "${dirs[@]}" >"$log" 2>&1 || status=$?
    runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -n 1)
    cov=$(grep -o 'cov: [0-9]*' "$log" | tail -n 1 | cut -d' ' -f2)
    ft=$(grep -o 'ft: [0-9]*' "$log" | tail -n 1 | cut -d' ' -f2)
    summary+=("$(printf '%-22s %10s execs  cov %5s  ft %6s' "$target" "${runs:-?}" "${cov:-?}" "${ft:-?}")")
    if [[ $status -ne 0 ]]; then
      failed+=("$target (see $log and $artifacts)")
      grep -m 1 -E 'ERROR:|runtime error|broken promise' "$log" || true
    fi
  fi
done

printf '%s\n' "${summary[@]}"
if [[ ${#failed[@]} -gt 0 ]]; then
  printf 'FAILED: %s\n' "${failed[@]}"
  exit 1
fi
