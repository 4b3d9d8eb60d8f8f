#!/bin/sh
# The photoplot files are replaced as a set or not at all. Each case fails one step of the
# export's write (the preloaded STALL fails an fsync, as a full disk does, or a rename) or sends
# SIGTERM while that step waits. Two boards: the slotline's writes both files; a microstrip
# line's writes the top alone, and the earlier bottom file of the name must go with it.
# A failure is reported and keeps both previous files byte for byte; SIGTERM before the files
# take their names keeps them too; SIGTERM while they take their names, landing in another thread
# than the renaming one (STALL's rename waits, its idle thread takes the signal), leaves the new
# set whole: both new files, or the new top and no bottom; meanwhile no reader finds the new top
# of the board without a bottom layer beside the old bottom. No temporary file may be left.
# gerber_interrupted.sh CLI STALL REPOSITORY SCRATCH
cli=$1 stall=$2 root=$3 scratch=$4
rm -rf "$scratch" && mkdir -p "$scratch" || exit 1
cp "$root/app/cli/tests/lines/slotline.vqe" "$scratch" || exit 1
cd "$scratch" || exit 1
export_lines='dialog 163\nok\nfile a.gbx\nmenu "Service/Gerber-Plotdatei..."\n'
# The slotline lies on the bottom layer: both files are written.
printf "open slotline.vqe\n$export_lines" > both.txt
# A microstrip line from port 1 on its substrate: nothing lies on the bottom layer.
printf 'element 21\ndialog 209\nset 1121 ALU\nset 1127 30mm\nset 1316 20mm\nok
drag 600 600 650 600\nelement 36\ndrag 100 400 50 400\nelement 22\ndialog TRLDIALG
set 1238 0.7mm\nset 1239 12mm\nok\ndrag 100 400 200 400\n'"$export_lines" > top.txt
ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}verify_asan_link_order=0"
export ASAN_OPTIONS
failed=0
# board:how:step:path the step works on:what is left (old, new pair or new top alone):reported
for case in \
    both:fail:sync:/.aBot.gbx.:old:"geschrieben werden: .*/aBot" \
    both:TERM:sync:/.aBot.gbx.:old \
    both:fail:rename:/.aBot.gbx.:old:"geschrieben werden: .*/aBot" \
    both:TERM:rename:/.aBot.gbx.:pair \
    top:fail:sync:/.aTop.gbx.:old:"geschrieben werden: .*/aTop" \
    top:TERM:sync:/.aTop.gbx.:old \
    top:fail:rename:/aBot.gbx:old:"gelöscht werden: .*/aBot" \
    top:fail:rename:/.aTop.gbx.:old:"geschrieben werden: .*/aTop" \
    top:TERM:rename:/aBot.gbx:top \
    top:TERM:rename:/.aTop.gbx.:top; do
  IFS=: read -r board how step on left reported <<EOF
$case
EOF
  name="$board $how at the $step of $on"
  printf 'Oberseite vorher\r\n' > aTop.gbx
  printf 'Unterseite vorher\r\n' > aBot.gbx
  cp aTop.gbx top.before && cp aBot.gbx bot.before || exit 1
  rm -f stalled
  if [ $step = sync ]; then
    stalled="STALL_SYNC_NAME=$on"
  else
    stalled="STALL_RENAME_NAME=$on"
  fi
  if [ $how = fail ]; then
    env "$stalled" STALL_SYNC_FAIL=1 STALL_SYNC_MARK="$scratch/stalled" LD_PRELOAD="$stall" \
      "$cli" ui-script $board.txt > out.txt 2>&1
    status=$?
    if [ $status -ne 1 ] || ! grep -q "^Datei konnte nicht $reported\.gbx$" out.txt; then
      echo "$name: exit $status, the failure not reported:"; cat out.txt
      failed=1
    fi
    if [ ! -e stalled ]; then
      echo "$name: the step was not reached"
      failed=1
    fi
  else
    env "$stalled" STALL_SYNC_MARK="$scratch/stalled" LD_PRELOAD="$stall" \
      env --default-signal "$cli" ui-script $board.txt > out.txt 2>&1 &
    player=$!
    tries=0
    until [ -e stalled ]; do
      tries=$((tries + 1))
      if [ $tries -gt 3000 ] || ! kill -0 $player 2> /dev/null; then
        echo "$name: the step was not reached:"; cat out.txt
        kill -KILL $player 2> /dev/null
        exit 1
      fi
      sleep 0.01
    done
    # What a reader finds while the step waits.
    if [ $board = top ] && ! cmp -s aTop.gbx top.before && cmp -s aBot.gbx bot.before; then
      echo "$name: a new top stood beside the old bottom"
      failed=1
    fi
    kill -TERM $player
    wait $player
    status=$?
    if [ $status -ne 143 ]; then
      echo "$name: exit $status, not by SIGTERM:"; cat out.txt
      failed=1
    fi
  fi
  case $left in
    old)
      if ! cmp -s aTop.gbx top.before || ! cmp -s aBot.gbx bot.before; then
        echo "$name: the previous pair was not kept:"; head -3 aTop.gbx aBot.gbx
        failed=1
      fi ;;
    pair)
      if cmp -s aTop.gbx top.before || cmp -s aBot.gbx bot.before; then
        echo "$name: the new pair was not put in place whole:"; head -3 aTop.gbx aBot.gbx
        failed=1
      fi ;;
    top)
      if cmp -s aTop.gbx top.before || [ -e aBot.gbx ]; then
        echo "$name: the new top was not put in place alone:"; head -3 aTop.gbx aBot.gbx
        failed=1
      fi ;;
  esac
  left=$(ls -A | grep '^\.a....gbx')
  if [ -n "$left" ]; then
    echo "$name: temporary file left: $left"
    failed=1
  fi
done
exit $failed
