#!/bin/sh
# SIGNAL-NAME comes while a file is written whole: after its bytes went to the temporary file
# beside it, before the rename (a preloaded fsync, STALL, waits there). The program must end by
# that signal, the previous file must be as it was and no temporary file may be left. The
# writers: ui-script's save of a circuit and its clipboard file, and the command line's picture.
# save_interrupted.sh CLI STALL REPOSITORY SCRATCH SIGNAL-NAME
cli=$1 stall=$2 root=$3 scratch=$4 name=$5
rm -rf "$scratch" && mkdir -p "$scratch" || exit 1
cp "$root/examples/lc_lowpass.vqe" "$scratch" || exit 1
cd "$scratch" || exit 1
printf 'open lc_lowpass.vqe\nsave kept.vqe\n' > save.txt
printf 'open lc_lowpass.vqe\nmenu "Service/Schaltung  --> Latex-File"\nclipboard kept.tex\n' > clip.txt
# A preloaded library does not come first, as the sanitizers' runtime would have it.
ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}verify_asan_link_order=0"
export ASAN_OPTIONS
failed=0
for case in "kept.vqe ui-script save.txt" "kept.tex ui-script clip.txt" \
            "kept.png render lc_lowpass.vqe kept.png"; do
  set -- $case
  target=$1
  shift
  echo vorher > "$target"
  rm -f stalled
  # A job in the background of a shell ignores SIGINT, which a program keeps ignoring: this one
  # starts as from a terminal.
  STALL_SYNC_NAME="/.$target." STALL_SYNC_MARK="$scratch/stalled" LD_PRELOAD="$stall" \
    env --default-signal "$cli" "$@" > out.txt 2>&1 &
  player=$!
  tries=0
  until [ -e stalled ]; do
    tries=$((tries + 1))
    if [ $tries -gt 3000 ] || ! kill -0 $player 2> /dev/null; then
      echo "$target: the write did not begin:"; cat out.txt
      kill -KILL $player 2> /dev/null
      exit 1
    fi
    sleep 0.01
  done
  kill -"$name" $player
  wait $player
  status=$?
  if [ $status -le 128 ] || [ "$(kill -l $((status - 128)))" != "$name" ]; then
    echo "$target: exit $status, not by SIG$name:"; cat out.txt
    failed=1
  fi
  if [ "$(cat "$target")" != vorher ]; then
    echo "$target: the previous file was not kept"
    failed=1
  fi
  left=$(ls -A | grep "^\.$target\.")
  if [ -n "$left" ]; then
    echo "$target: temporary file left after SIG$name: $left"
    failed=1
  fi
done
exit $failed
