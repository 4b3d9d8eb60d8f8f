#!/bin/sh
# The photoplot pair is replaced together or not at all: the bottom file's write fails (its
# fsync, as on a full disk) or SIGTERM comes while it is written (a preloaded fsync, STALL,
# fails or waits there). Both previous files must stay byte for byte, no temporary file may be
# left; the failure is reported, the signal ends the program. SIGTERM that comes while the files
# take their names, and lands in another thread than the renaming one (STALL's rename waits,
# its idle thread takes the signal), leaves both new files and nothing else.
# gerber_interrupted.sh CLI STALL REPOSITORY SCRATCH
cli=$1 stall=$2 root=$3 scratch=$4
rm -rf "$scratch" && mkdir -p "$scratch" || exit 1
cp "$root/app/cli/tests/lines/slotline.vqe" "$scratch" || exit 1
cd "$scratch" || exit 1
# The slotline lies on the bottom layer: both files are written.
printf 'open slotline.vqe\ndialog 163\nok\nfile a.gbx\nmenu "Service/Gerber-Plotdatei..."\n' \
  > export.txt
ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}verify_asan_link_order=0"
export ASAN_OPTIONS
failed=0
for case in fail TERM rename; do
  printf 'Oberseite vorher\r\n' > aTop.gbx
  printf 'Unterseite vorher\r\n' > aBot.gbx
  cp aTop.gbx top.before && cp aBot.gbx bot.before || exit 1
  rm -f stalled
  if [ $case = fail ]; then
    STALL_SYNC_FAIL=1 STALL_SYNC_NAME="/.aBot.gbx." STALL_SYNC_MARK="$scratch/stalled" \
      LD_PRELOAD="$stall" "$cli" ui-script export.txt > out.txt 2>&1
    status=$?
    reported="^Datei konnte nicht geschrieben werden: .*/aBot\.gbx$"
    if [ $status -ne 1 ] || ! grep -q "$reported" out.txt; then
      echo "fail: exit $status, the failure not reported:"; cat out.txt
      failed=1
    fi
    if [ ! -e stalled ]; then
      echo "fail: the bottom file's write was not reached"
      failed=1
    fi
  else
    if [ $case = TERM ]; then
      stalled="STALL_SYNC_NAME=/.aBot.gbx."
    else
      stalled="STALL_RENAME_NAME=/.aBot.gbx."
    fi
    env "$stalled" STALL_SYNC_MARK="$scratch/stalled" LD_PRELOAD="$stall" \
      env --default-signal "$cli" ui-script export.txt > out.txt 2>&1 &
    player=$!
    tries=0
    until [ -e stalled ]; do
      tries=$((tries + 1))
      if [ $tries -gt 3000 ] || ! kill -0 $player 2> /dev/null; then
        echo "TERM: the bottom file's write did not begin:"; cat out.txt
        kill -KILL $player 2> /dev/null
        exit 1
      fi
      sleep 0.01
    done
    kill -TERM $player
    wait $player
    status=$?
    if [ $status -ne 143 ]; then
      echo "TERM: exit $status, not by SIGTERM:"; cat out.txt
      failed=1
    fi
  fi
  if [ $case = rename ]; then
    if cmp -s aTop.gbx top.before || cmp -s aBot.gbx bot.before; then
      echo "$case: the new pair was not put in place whole:"; head -3 aTop.gbx aBot.gbx
      failed=1
    fi
  elif ! cmp -s aTop.gbx top.before || ! cmp -s aBot.gbx bot.before; then
    echo "$case: the previous pair was not kept:"; head -3 aTop.gbx aBot.gbx
    failed=1
  fi
  left=$(ls -A | grep '^\.a....gbx')
  if [ -n "$left" ]; then
    echo "$case: temporary file left: $left"
    failed=1
  fi
done
exit $failed
