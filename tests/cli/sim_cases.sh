#!/usr/bin/env bash
# Simulation cases of rungpad-cli: sim_cases.sh CASE CLI SOURCE_DIR. Each case exits 0 when it
# holds. The stimulus of the example program and its reviewed trace live in tests/fixtures/sim.
set -u
case_name=$1
cli=$2
src=$3
fixtures="$src/tests/fixtures/sim"
demo="$src/examples/demo.plf"
. "$(dirname "$0")/cli_common.sh"

watch=(--watch Y000.0,R100.0,Y000.1,T001 --watch C002,R100.1,Y000.2,Y001.0)

case "$case_name" in
sim_demo_trace)
    expect_status 0 "$cli" sim "$demo" --stimulus "$fixtures/demo.stim" --time 480ms "${watch[@]}"
    cmp "$work/out" "$fixtures/demo.trace" || { diff "$fixtures/demo.trace" "$work/out"; fail "trace differs"; }
    [ ! -s "$work/err" ] || fail "stderr not empty"
    # --scans gives the same run; without --watch every coil is watched.
    expect_status 0 "$cli" sim "$demo" --stimulus "$fixtures/demo.stim" --scans 60 "${watch[@]}"
    cmp -s "$work/out" "$fixtures/demo.trace" || fail "--scans 60 differs from --time 480ms"
    expect_status 0 "$cli" sim "$demo" --stimulus "$fixtures/demo.stim" --time 480ms
    [ "$(head -1 "$work/out")" = "0ms Y000.0=0" ] || fail "coils watched by default"
    grep -qx "440ms Y001.0=1" "$work/out" || fail "second level coil not watched"
    ;;
sim_vcd)
    expect_status 0 "$cli" sim "$demo" --stimulus "$fixtures/demo.stim" --time 480ms \
        --watch Y000.0,T001 --vcd "$work/demo.vcd"
    head -3 "$work/demo.vcd" | grep -q '^\$timescale 1ms \$end$' || fail "timescale"
    grep -qx '\$var wire 1 ! Y000_0 \$end' "$work/demo.vcd" || fail "bit as a wire"
    grep -qx '\$var reg 16 " T001 \$end' "$work/demo.vcd" || fail "word as a vector"
    grep -qx '\$enddefinitions \$end' "$work/demo.vcd" || fail "definitions end"
    # Y000.0 goes on at 16 ms, the timer reaches 100 at 120 ms, the run ends at 480 ms.
    awk '/^#16$/{t=1;next} /^#/{t=0} t&&/^1!$/{ok=1} END{exit !ok}' "$work/demo.vcd" || fail "Y000.0 at #16"
    awk '/^#120$/{t=1;next} /^#/{t=0} t&&/^b0000000001100100 "$/{ok=1} END{exit !ok}' "$work/demo.vcd" ||
        fail "T001 = 100 at #120"
    [ "$(tail -1 "$work/demo.vcd")" = "#480" ] || fail "end time"
    ;;
sim_svg)
    # The timing diagram of the example run: a well-formed SVG whose edges are where the trace
    # puts them (Y000.0 on at 16 ms and off at 400 ms, C002 counting at 200, 232 and 264 ms).
    expect_status 0 "$cli" sim "$demo" --stimulus "$fixtures/demo.stim" --time 480ms \
        --watch Y000.0,C002,T001 --svg "$work/demo.svg"
    python3 - "$work/demo.svg" 0 480 'Y000.0:16,400' 'C002:200,232,264,304' <<'PY' || fail "demo.svg"
import sys, xml.etree.ElementTree as ET
ns = {"s": "http://www.w3.org/2000/svg"}
path, start, end, rows = sys.argv[1], float(sys.argv[2]), float(sys.argv[3]), sys.argv[4:]
root = ET.parse(path).getroot()  # well-formed, or this raises
ruler = root.find("s:g[@id='ruler']", ns)
# The scale from the ruler: the first and last labelled ticks, centred on their x (a tick sits
# on the pixel column of its time, so the scale is good to a pixel).
def ms_of(label):
    return float(label[:-2]) if label.endswith("ms") else 1000 * float(label[:-1])
ticks = sorted((ms_of(t.text), float(t.get("x"))) for t in ruler.findall("s:text", ns)
               if t.get("text-anchor") == "middle")
(t0, x0), (t1, x1) = ticks[0], ticks[-1]
def x_of(ms):
    return x0 + (ms - t0) * (x1 - x0) / (t1 - t0)
for row in rows:
    name, times = row.split(":")
    group = root.find("s:g[@id='row-%s']" % name, ns)
    assert group is not None, name
    texts = [t.text for t in group.findall("s:text", ns)]
    assert texts[0] == name, texts
    xs = set()
    for line in group.findall("s:polyline", ns):
        points = [tuple(map(float, p.split(","))) for p in line.get("points").split()]
        xs |= {round(p[0], 2) for p in points}
    for ms in map(float, times.split(",")):
        want = x_of(ms)
        assert any(abs(x - want) <= 1.5 for x in xs), (name, ms, want, sorted(xs))
print("svg ok")
PY
    # Only the range asked for: 300 ms to 480 ms shows Y000.0 off at 400 ms, not on at 16 ms.
    expect_status 0 "$cli" sim "$demo" --stimulus "$fixtures/demo.stim" --time 480ms \
        --watch Y000.0 --svg "$work/part.svg" --from 300ms --to 480ms
    python3 -c "import xml.etree.ElementTree as E; E.parse('$work/part.svg')" || fail "part.svg"
    grep -q '>400ms</text>' "$work/part.svg" || fail "range 300..480 ms"
    grep -q '>100ms</text>' "$work/part.svg" && fail "ticks before --from"
    ;;
sim_svg_refused)
    expect_status 64 "$cli" sim "$demo" --from 10ms
    grep -q "^rungpad-cli sim: --from and --to choose the time range of --svg, which is not given$" \
        "$work/err" || fail "$(cat "$work/err")"
    expect_status 64 "$cli" sim "$demo" --svg "$work/a.svg" --from 1s --to 500ms
    grep -q "^rungpad-cli sim: --to must be after --from$" "$work/err" || fail "$(cat "$work/err")"
    expect_status 64 "$cli" sim "$demo" --svg "$work/a.svg" --to soon
    expect_status 64 "$cli" sim "$demo" --svg "$work/a.svg" --svg "$work/b.svg"
    expect_status 2 "$cli" sim "$demo" --time 80ms --svg "$work/no/such/dir/out.svg"
    [ ! -s "$work/out" ] || fail "ran before refusing the SVG"
    [ ! -e "$work/a.svg" ] || fail "SVG written on a usage error"
    ;;
sim_force)
    # Y000.0 forced off holds against the latch; the start input forced on runs the timer.
    expect_status 0 "$cli" sim "$demo" --time 40ms --force Y000.0=0,X000.0=1 --watch Y000.0,T001
    grep -q "Y000.0=1" "$work/out" && fail "forced coil written"
    grep -qx "0ms Y000.0=0" "$work/out" || fail "forced value"
    ;;
sim_refused)
    expect_status 1 "$cli" sim "$src/tests/fixtures/converter/refused.plf"
    grep -q "错误代号 1041" "$work/err" || fail "conversion error not reported"
    expect_status 1 "$cli" sim "$fixtures/unsupported.plf"
    [ "$(cat "$work/err")" = "rungpad-cli: AXCTL on ladder line 2 cannot be simulated: its effect is not defined for simulation" ] ||
        fail "refusal: $(cat "$work/err")"
    [ ! -s "$work/out" ] || fail "trace printed for a refused program"
    ;;
sim_bad_files)
    expect_status 2 "$cli" sim "$work/missing.plf"
    expect_status 2 "$cli" sim "$demo" --stimulus "$work/missing.stim"
    printf '0ms X000.0=1\n# fine\n12 parsecs X000.0=0\n' >"$work/bad.stim"
    expect_status 2 "$cli" sim "$demo" --stimulus "$work/bad.stim"
    grep -q "bad.stim: stimulus line 3: .PARSECS X000.0. is not a signal address" "$work/err" || fail "line number: $(cat "$work/err")"
    expect_status 2 "$cli" sim "$demo" --vcd "$work/no/such/dir/out.vcd"
    ;;
sim_usage)
    expect_status 64 "$cli" sim
    expect_status 64 "$cli" sim "$demo" --time 2s --scans 10
    expect_status 64 "$cli" sim "$demo" --time soon
    expect_status 64 "$cli" sim "$demo" --watch Q000.0
    expect_status 64 "$cli" sim "$demo" --force X000.0=7
    expect_status 64 "$cli" sim "$demo" --stimulus
    expect_status 0 "$cli" sim --help
    grep -q "^Usage: rungpad-cli sim FILE" "$work/out" || fail "sim --help"
    ;;
sim_messages)
    # A byte order mark before the first event is accepted.
    printf '\xef\xbb\xbf0ms X000.0=1\n' >"$work/bom.stim"
    expect_status 0 "$cli" sim "$demo" --stimulus "$work/bom.stim" --time 16ms --watch Y000.0
    grep -qx "0ms Y000.0=1" "$work/out" || fail "BOM stimulus not played: $(cat "$work/out")"
    # An address watched twice is watched once.
    expect_status 0 "$cli" sim "$demo" --time 8ms --watch Y000.0,y000.0 --watch Y000.0
    [ "$(cat "$work/out")" = "0ms Y000.0=0" ] || fail "watched twice: $(cat "$work/out")"
    # Times above the longest allowed name the limit; long values are shortened.
    expect_status 64 "$cli" sim "$demo" --time 90000s
    grep -q "^rungpad-cli sim: --time '90000s' is above the longest allowed, 86400s (24 hours)$" \
        "$work/err" || fail "--time limit: $(cat "$work/err")"
    printf '90000s X000.0=1\n' >"$work/late.stim"
    expect_status 2 "$cli" sim "$demo" --stimulus "$work/late.stim"
    grep -q "stimulus line 1: time '90000s' is above the longest allowed, 86400s" "$work/err" ||
        fail "stimulus time limit: $(cat "$work/err")"
    expect_status 64 "$cli" sim "$demo" --watch "X000.0,$(printf 'Q%.0s' {1..5000})"
    [ "$(wc -c <"$work/err")" -lt 600 ] || fail "long value not shortened: $(head -c 200 "$work/err")"
    # A repeated --stimulus (or --vcd) is a usage error, not a silent choice of one.
    expect_status 64 "$cli" sim "$demo" --stimulus "$work/bom.stim" --stimulus "$work/late.stim"
    grep -q "^rungpad-cli sim: --stimulus is given twice$" "$work/err" || fail "$(cat "$work/err")"
    expect_status 64 "$cli" sim "$demo" --vcd "$work/a.vcd" --vcd "$work/b.vcd"
    # A VCD that cannot be written is refused before the run: no trace printed.
    expect_status 2 "$cli" sim "$demo" --time 80ms --vcd "$work/no/such/dir/out.vcd"
    [ ! -s "$work/out" ] || fail "ran before refusing the VCD: $(cat "$work/out")"
    grep -q "out.vcd: No such file or directory" "$work/err" || fail "$(cat "$work/err")"
    ;;
sim_warnings)
    # Said on stderr before the first scan: a constant cut to its data length, a preset never
    # set, an event on a forced signal, a pulse between two scans, an event after the last scan.
    printf '0ms DC0002=3\n10ms X000.0=1\n12ms X000.0=0\n0ms X000.5=1\n40ms X000.1=1\n' >"$work/w.stim"
    expect_status 0 "$cli" sim "$fixtures/warnings.plf" --time 40ms --watch Y000.0 \
        --force X000.5=0 --stimulus "$work/w.stim"
    cat >"$work/want" <<'WARNINGS'
rungpad-cli: warning: constant 300 does not fit a 1-byte operand at 3:6; the run uses its low byte
rungpad-cli: warning: TMR 1 on ladder line 1: its preset DT0001 is never set, so it stays 0 and the timer is done in the first scan its input is on
rungpad-cli: warning: stimulus line 4: X000.5 is forced, so the event does not change what is forced
rungpad-cli: warning: stimulus line 2: X000.0=1 at 10ms is replaced at 12ms (line 3) before a scan sees it (a scan every 8ms)
rungpad-cli: warning: stimulus line 5: the event at 40ms comes after the last scan (32ms) and is never applied
WARNINGS
    diff "$work/want" "$work/err" || fail "warnings differ"
    [ "$(cat "$work/out")" = "0ms Y000.0=0" ] || fail "trace: $(cat "$work/out")"
    # A preset set by a force is no warning.
    expect_status 0 "$cli" sim "$fixtures/warnings.plf" --time 8ms --force DT0001=50
    grep -q "DT0001" "$work/err" && fail "preset set by --force warned"
    ;;
*)
    fail "unknown case $case_name"
    ;;
esac
echo "ok: $case_name"
