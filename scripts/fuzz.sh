#!/usr/bin/env bash
# Builds the libFuzzer targets (preset "fuzz": clang, AddressSanitizer, UBSan)
# and runs each for SECONDS seconds at the lowest priority, starting from the
# seed corpus in fuzz/corpus. Findings land in build/fuzz/findings/<target>/.
#   scripts/fuzz.sh [SECONDS] [TARGET...]
set -euo pipefail
cd "$(dirname "$0")/.."

seconds="${1:-60}"
shift || true
targets=("$@")
[ ${#targets[@]} -eq 0 ] && targets=(fuzz_settings_pair fuzz_codecs fuzz_link_reply fuzz_check_repair)

# Fuzzing only: clang and its libFuzzer runtime, installed when missing.
if ! command -v clang++ >/dev/null || ! clang++ -fsanitize=fuzzer -x c++ -o /dev/null - <<<'extern "C" int LLVMFuzzerTestOneInput(const char*, unsigned long) { return 0; }' 2>/dev/null; then
  sudo=""
  [ "$(id -u)" -ne 0 ] && sudo="sudo"
  export DEBIAN_FRONTEND=noninteractive
  $sudo apt-get update -qq
  $sudo apt-get install -y -qq --no-install-recommends clang >/dev/null
  version="$(clang++ --version | sed -n 's/.*clang version \([0-9]*\).*/\1/p' | head -n1)"
  $sudo apt-get install -y -qq --no-install-recommends "libclang-rt-${version}-dev" >/dev/null
fi

cmake --preset fuzz >/dev/null
nice -n 19 cmake --build --preset fuzz --target "${targets[@]}" -j2

status=0
for target in "${targets[@]}"; do
  corpus="build/fuzz/corpus/$target"
  findings="build/fuzz/findings/$target"
  mkdir -p "$corpus" "$findings"
  echo "== $target: ${seconds}s"
  # New inputs go to the build folder; the seeds in the repository stay as they are.
  if ! nice -n 19 "build/fuzz/fuzz/$target" -max_total_time="$seconds" -timeout=20 -rss_limit_mb=2048 \
      -print_final_stats=1 -artifact_prefix="$findings/" "$corpus" "fuzz/corpus/$target" \
      >"build/fuzz/$target.log" 2>&1; then
    status=1
    echo "   finding: see build/fuzz/$target.log and $findings/"
  fi
  grep -E '^(#[0-9]+ +DONE|stat::number_of_executed_units|stat::average_exec_per_sec|stat::peak_rss_mb)' "build/fuzz/$target.log" | sed 's/^/   /' || true
  grep -E '^#[0-9]+' "build/fuzz/$target.log" | tail -n1 | sed 's/^/   last: /' || true
done
exit $status
