#!/usr/bin/env bash
# Saves dados.txt (from the fluid editor) and prefs.dat (from the units
# dialog) through the real program while each step of the file replacement
# fails in turn, through fault_shim: the temporary file's creation, its
# permission bits, each write, a full disk, the flush, the close and the
# rename. Each time the old file must stay byte for byte as it was, the
# program's message must appear, no temporary file may be left and the
# program must go on calculating. Then the same on a real file system: a
# dados.txt that is a symbolic link, permission bits kept, a read-only file
# and a read-only folder; and two programs saving dados.txt at once.
# Usage: run_file_faults.sh QUELRIN_SCRIPT FAULT_SHIM DATABASE
set -uo pipefail

runner=$(realpath "$1")
shim=$(realpath "$2")
database=$(realpath "$3")
top=$(mktemp -d)
trap 'chmod -R u+w "$top"; rm -rf "$top"' EXIT
failures=0
# The shim comes before a sanitizer runtime that the program may load.
export ASAN_OPTIONS=${ASAN_OPTIONS:+$ASAN_OPTIONS:}verify_asan_link_order=0

fail() {
  echo "FAIL [$case]: $*"
  failures=$((failures + 1))
}

# The shipped database as the editor saves it, in its sorted order, so that
# a save moves no fluid of the main window's list; where nitrogen is in it.
sorted=$top/sorted.txt
mkdir "$top/first-save"
cp "$database" "$top/first-save/dados.txt"
printf 'start\nclick 1050\nclick 324\nclick 325\nescape\n' |
  (cd "$top/first-save" && "$runner") > /dev/null
cp "$top/first-save/dados.txt" "$sorted"
nitrogen=$(($(grep -an '^Nitrog' "$sorted" | cut -d: -f1) - 2))

# Each script saves, then goes on in the main window: nitrogen at 90 K.
calculation=$(printf 'pick 102 %d\ntype 103 90\nclick 1\nshow 104\nescape' "$nitrogen")
# Adds a fluid that sorts last in the editor, saves and leaves the editor.
printf 'start\nclick 1050\ntype 307 Zzz-novo\nclick 306\ntype 312 40\ntype 313 300\ntype 314 0.1
click 303\nclick 324\nclick 325\n%s\n' "$calculation" > "$top/dados.script"
# Chooses atm in the units dialog.
printf 'start\nclick 1080\nclick 404\nclick 401\n%s\n' "$calculation" > "$top/prefs.script"

# A fresh folder holding the sorted dados.txt and prefs.dat "0 0".
fresh() {
  work=$top/$1
  rm -rf "$work"
  mkdir -p "$work"
  cp "$sorted" "$work/dados.txt"
  printf '0 0' > "$work/prefs.dat"
  cp "$work/dados.txt" "$top/dados.before"
  cp "$work/prefs.dat" "$top/prefs.before"
}

# run FILE [VAR=VALUE...]: the script of FILE (dados or prefs) in $work.
run() {
  local file=$1
  shift
  status=0
  (cd "$work" && env "$@" "$runner" "$top/$file.script") > "$top/transcript" 2> "$top/stderr" || status=$?
}

saving_message() {
  printf 'message error "Erro!" "Não foi possível salvar o arquivo '"'"'%s'"'"'."' "$1"
}

# The run went on to the end after whatever happened to the save.
check_went_on() {
  [ "$status" = 0 ] || fail "exit status $status: $(cat "$top/stderr")"
  grep -q '^104 text "[0-9]' "$top/transcript" || fail "no pressure calculated afterwards"
  tail -n 1 "$top/transcript" | grep -qx 'exit 0' || fail "the program did not end normally"
}

check_no_stray_file() {
  local folder=$1
  shift
  local left
  left=$(cd "$folder" && ls -A | sort | tr '\n' ' ')
  [ "$left" = "$* " ] || fail "files left in $folder: $left(expected $*)"
}

# check_refused FILE: the save of FILE failed, visibly and harmlessly.
check_refused() {
  local file=$1.${2:-txt}
  grep -qxF "$(saving_message "$file")" "$top/transcript" || fail "no message for $file"
  cmp -s "$top/$1.before" "$work/$file" || fail "$file changed"
  check_no_stray_file "$work" dados.txt prefs.dat
  check_went_on
}

check_saved() {
  local file=$1.${2:-txt}
  grep -q '^message' "$top/transcript" && fail "unexpected message: $(grep '^message' "$top/transcript")"
  cmp -s "$top/$1.before" "$work/$file" && fail "$file not written"
  check_no_stray_file "$work" dados.txt prefs.dat
  check_went_on
}

faults=0
for target in dados:txt:256 prefs:dat:1; do
  IFS=: read -r name extension chunk <<< "$target"
  for call in mkstemp fchmod fsync close rename write; do
    # A full disk fails the temporary's creation or a write; a read-only
    # folder its creation.
    for error in EIO ENOSPC EACCES; do
      [ "$error" = ENOSPC ] && [ "$call" != write ] && [ "$call" != mkstemp ] && continue
      [ "$error" = EACCES ] && [ "$call" != mkstemp ] && continue
      at=1
      while :; do
        case="$name.$extension: $call $at fails with $error"
        fresh faults
        rm -f "$top/log"
        run "$name" LD_PRELOAD="$shim" QUELRIN_FAULT_CALL=$call QUELRIN_FAULT_AT=$at \
            QUELRIN_FAULT_ERRNO=$error QUELRIN_WRITE_CHUNK=$chunk QUELRIN_FAULT_LOG="$top/log"
        if [ ! -s "$top/log" ]; then
          # Past the last call: the save went through.
          [ "$at" -gt 1 ] || fail "the save never calls $call"
          check_saved "$name" "$extension"
          break
        fi
        faults=$((faults + 1))
        check_refused "$name" "$extension"
        [ "$call" = write ] || break
        at=$((at + 1))
      done
    done
  done
done

case="dados.txt through a symbolic link"
fresh link
mkdir -p "$top/linked"
mv "$work/dados.txt" "$top/linked/base.txt"
ln -s ../linked/base.txt "$work/dados.txt"
run dados LD_PRELOAD="$shim" QUELRIN_FAULT_CALL=rename
check_refused dados
[ -L "$work/dados.txt" ] || fail "the link was replaced by a failed save"
check_no_stray_file "$top/linked" base.txt
run dados
[ -L "$work/dados.txt" ] || fail "the link was replaced by a file"
cmp -s "$top/dados.before" "$top/linked/base.txt" && fail "the link's target was not written"
grep -aq '^Zzz-novo ' "$top/linked/base.txt" || fail "the new fluid is not in the link's target"
check_no_stray_file "$top/linked" base.txt

case="permission bits kept"
fresh bits
chmod 640 "$work/prefs.dat"
chmod 604 "$work/dados.txt"
run prefs
check_saved prefs dat
run dados
[ "$(stat -c %a "$work/prefs.dat")" = 640 ] || fail "prefs.dat now $(stat -c %a "$work/prefs.dat")"
[ "$(stat -c %a "$work/dados.txt")" = 604 ] || fail "dados.txt now $(stat -c %a "$work/dados.txt")"

case="read-only files"
fresh read-only
chmod 444 "$work/dados.txt" "$work/prefs.dat"
run dados
check_refused dados
run prefs
check_refused prefs dat

# Root writes into any folder whatever its bits; the shim's EACCES from
# mkstemp above stands for a read-only folder there.
if [ "$(id -u)" != 0 ]; then
  case="read-only folder"
  fresh read-only-folder
  chmod 555 "$work"
  run dados
  check_refused dados
  run prefs
  check_refused prefs dat
fi

# Two programs add fluids to one dados.txt and save, over and over, at the
# same time; each round opens the editor afresh, adds a fluid and saves,
# then adds another and saves again. A save that finds the file changed since
# the editor read it asks, and is answered "Não". Whatever the interleaving:
# a fluid whose save asked nothing is in the final file, one whose save was
# answered "Não" is not, and no fluid of the first file is lost.
case="two programs saving at once"
fresh together
rounds=25
for program in a b; do
  for round in $(seq "$rounds"); do
    printf 'click 1050\nclick 306\ntype 312 40\ntype 313 300\ntype 314 0.1\n'
    for fluid in 1 2; do
      printf 'type 307 Junto-%s-%d-%d\nclick 303\nanswer no\nclick 324\nshow 307\n' \
        "$program" "$round" "$fluid"
    done
    printf 'click 325\n'
  done > "$top/$program.rounds"
  printf 'start\n%sescape\n' "$(cat "$top/$program.rounds")" > "$top/together-$program.script"
done
(cd "$work" && "$runner" "$top/together-a.script" > "$top/a.transcript") &
(cd "$work" && "$runner" "$top/together-b.script" > "$top/b.transcript") &
wait
# Each fluid with "asked" when a question came with its save, else "saved".
awk '/^question / { asked = 1 }
     /^307 text / { gsub(/"/, "", $3); print $3, (asked ? "asked" : "saved"); asked = 0 }' \
  "$top/a.transcript" "$top/b.transcript" > "$top/saves"
[ "$(grep -c . "$top/saves")" = $((4 * rounds)) ] || fail "not every save happened"
while read -r fluid outcome; do
  if grep -aq "^$fluid " "$work/dados.txt"; then
    [ "$outcome" = saved ] || fail "$fluid is in the file though its save was refused"
  else
    [ "$outcome" = asked ] || fail "$fluid was lost without a question"
  fi
done < "$top/saves"
while read -r fluid _; do
  grep -aq "^$fluid " "$work/dados.txt" || fail "$fluid of the first file was lost"
done < <(tail -n +2 "$top/dados.before")
echo "two programs: $(grep -c saved "$top/saves") saves went through, $(grep -c asked "$top/saves") asked"

echo "$faults injected faults, $failures failures"
[ "$failures" = 0 ]
