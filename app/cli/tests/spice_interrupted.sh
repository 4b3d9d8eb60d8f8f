#!/bin/sh
# vostrane-cli waits for a SPICE program that never ends and has started programs in its group,
# in a session of its own, and orphaned in a session of its own (tests/spice/lingering), when
# a signal comes to WHOM: vostrane-cli itself ("program"), the run's supervisor (the stand-in's
# parent) from outside ("supervisor") or from the stand-in ("parent"), or the supervisor's
# process group ("group"). vostrane-cli must exit with EXIT, its output holding MESSAGE, and no
# process of the run may be left, not even one waiting to be reaped. One that still waits two
# seconds after a signal that does not end the run is ended with SIGTERM.
# spice_interrupted.sh CLI REPOSITORY SCRATCH WHOM SIGNAL-NAME EXIT [MESSAGE]
cli=$1 root=$2 scratch=$3 whom=$4 name=$5 expected=$6 message=$7
rm -rf "$scratch" && mkdir -p "$scratch" || exit 1
cp "$root/examples/lc_lowpass.vqe" "$scratch" && cp -R "$root/app/cli/tests/spice/lingering" "$scratch" || exit 1
cd "$scratch" || exit 1
if [ "$whom" = parent ]; then echo "$name" > lingering/signal; fi
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
supervisor=$(cut -d' ' -f1 lingering/pids)
case $whom in
  program) kill -"$name" $player ;;
  supervisor) kill -"$name" "$supervisor" ;;
  group) kill -"$name" -"$supervisor" ;;
esac
if [ "$whom" != program ]; then
  tries=0
  while kill -0 $player 2> /dev/null && [ $tries -lt 200 ]; do
    tries=$((tries + 1))
    sleep 0.01
  done
  kill -TERM $player 2> /dev/null
fi
wait $player
status=$?
failed=0
if [ $status -ne "$expected" ] || { [ -n "$message" ] && ! grep -q "$message" out.txt; }; then
  echo "exit $status, expected $expected and '$message' (SIG$name to $whom):"; cat out.txt
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
