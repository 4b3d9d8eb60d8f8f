#!/bin/sh
# vostrane-cli is ended by a signal while it waits for a SPICE program that never ends and has
# started programs in its group, in a session of its own, and orphaned in a session of its own
# (tests/spice/lingering). The signal ends the program as it would without any run, and no
# process of the run is left, not even one waiting to be reaped.
# spice_interrupted.sh CLI REPOSITORY SCRATCH SIGNAL-NAME SIGNAL-NUMBER
cli=$1 root=$2 scratch=$3 name=$4 number=$5
rm -rf "$scratch" && mkdir -p "$scratch" || exit 1
cp "$root/examples/lc_lowpass.vqe" "$scratch" && cp -R "$root/app/cli/tests/spice/lingering" "$scratch" || exit 1
cd "$scratch" || exit 1
# A job in the background of a shell ignores SIGINT, which a program keeps ignoring: this one
# starts as from a terminal.
VOSTRANE_DRIVE_ROOT="$scratch/drive" env --default-signal "$cli" ui-script \
  "$root/app/cli/tests/ui/spice_interrupted.txt" > out.txt 2>&1 &
player=$!
tries=0
until [ -s lingering/pids ]; do
  tries=$((tries + 1))
  if [ $tries -gt 3000 ] || ! kill -0 $player 2> /dev/null; then
    echo "the run did not start:"; cat out.txt
    kill -KILL $player 2> /dev/null
    exit 1
  fi
  sleep 0.01
done
kill -$name $player
wait $player
status=$?
failed=0
if [ $status -ne $((128 + number)) ]; then
  echo "exit $status, expected $((128 + number)) (SIG$name):"; cat out.txt
  failed=1
fi
for pid in $(cat lingering/pids); do
  if [ -e /proc/$pid ]; then
    echo "process $pid of the run is left: $(cat /proc/$pid/stat)"
    kill -KILL $pid
    failed=1
  fi
done
exit $failed
