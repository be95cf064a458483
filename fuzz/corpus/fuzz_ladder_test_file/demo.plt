# Ladder tests for examples/demo.plf.  Run them with
#   rungpad-cli test examples/demo.plf examples/demo.plt
# Times are simulated: one scan every 8 ms, the first at 0ms. An event at TIME is written before
# the scan that runs at TIME; an expectation at TIME looks at the values after that scan.

case start/stop latch
0ms    X000.0=0
16ms   X000.0=1          # start button pressed ...
40ms   X000.0=0          # ... and released
expect 8ms Y000.0=0      # nothing runs before the button
expect 16ms Y000.0=1     # the spindle starts in the scan that sees the button
expect 48ms..392ms Y000.0=1   # the latch holds after the button is released
400ms  X000.1=1          # stop button
expect 400ms Y000.0=0
run 480ms

case lubrication delay
set DT0001=100           # timer 1 preset: 100 ms
16ms   X000.0=1
40ms   X000.0=0
expect 16ms..112ms Y000.1=0          # lubrication waits while the timer runs ...
expect Y000.1 rises within 104ms after 16ms   # ... and starts 104 ms after the spindle
expect 120ms..300ms Y000.1=1

case work-piece counter
set DC0002=3             # three work pieces
200ms  X000.5=1
216ms  X000.5=0
232ms  X000.5=1
248ms  X000.5=0
expect 200ms..256ms Y000.2=0         # two pieces are not enough
264ms  X000.5=1          # the third piece reaches the preset
expect 264ms Y000.2=1
300ms  X000.4=1          # reset
expect Y000.2 falls within 8ms after 300ms

case stop button is an interlock
force X000.1=1           # stop held
16ms   X000.0=1          # start pressed while stop is held
expect never Y000.0=1    # the spindle must never run against the stop button
expect always Y000.1=0   # and lubrication never starts

case second level follows its input
440ms  X001.0=1
expect Y001.0 rises within 0ms after 440ms
expect 0ms..432ms Y001.0=0

# Failing on purpose, to show what a failure looks like: the lubrication timer needs 104 ms,
# so lubrication is still off at 100ms. Remove the '#' signs and run the tests again: the case
# fails, naming the expectation, the time, the value seen and ladder line 5, whose coil writes
# Y000.1.
#
# case lubrication too early
# set DT0001=100
# 16ms   X000.0=1
# expect 100ms Y000.1=1
