#!/usr/bin/env bash
# Fuzzes the campsite stream reader for a bounded time (FUZZ_SECONDS, 60 by
# default) with libFuzzer, AddressSanitizer and UndefinedBehaviorSanitizer.
# Seeds: the campsite fixtures and every input that once broke the reader
# (tests/data/fuzz-regressions, replayed by the unit tests). A finding fails
# the run and is kept in build-fuzz/findings; add it to the regressions.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
out=$root/build-fuzz
seconds=${FUZZ_SECONDS:-60}
mkdir -p "$out/corpus" "$out/findings"

core=$root/campsite/core
sources=(
    "$root/tests/fuzz/fuzz_campsitestream.cpp"
    "$core/windows1252.cpp" "$core/objectstreamerror.cpp" "$core/objectstreamwriter.cpp"
    "$core/objectstreamreader.cpp" "$core/campsitestream.cpp" "$core/picture.cpp"
    "$root/common/failure.cpp"
)
binary=$out/fuzz_campsitestream
# Rebuild when a source is newer than the fuzzer.
stale=0
[ -x "$binary" ] || stale=1
for f in "${sources[@]}" "$core"/*.h "$root/tests/fuzz/campsitestreamcheck.h" "$root/tests/support/readlayout.h"; do
    [ "$f" -nt "$binary" ] && stale=1
done
if [ $stale -eq 1 ]; then
    echo "fuzz: building $binary"
    # shellcheck disable=SC2046
    clang++-14 -std=c++20 -g -O1 -fPIC -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=undefined \
        -fno-omit-frame-pointer -I"$core" -I"$root/common" -I"$root/tests/support" $(pkg-config --cflags Qt6Core Qt6Gui) \
        "${sources[@]}" $(pkg-config --libs Qt6Core Qt6Gui) -o "$binary"
fi

echo "fuzz: running for ${seconds}s"
export QT_QPA_PLATFORM=offscreen
if ! "$binary" -max_total_time="$seconds" -max_len=65536 -malloc_limit_mb=256 -timeout=10 \
    -dict="$root/tests/fuzz/campsite.dict" -artifact_prefix="$out/findings/" -print_final_stats=1 \
    "$out/corpus" "$root/tests/data/campsite" "$root/tests/data/fuzz-regressions" >"$out/fuzz.log" 2>&1; then
    tail -n 60 "$out/fuzz.log" >&2
    echo "fuzz: FAILED; the input is in $out/findings" >&2
    exit 1
fi
grep -E '^stat::number_of_executed_units|^#[0-9]+ *DONE' "$out/fuzz.log" || true
echo "fuzz: nothing found"
