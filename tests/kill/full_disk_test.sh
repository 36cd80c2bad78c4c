#!/usr/bin/env bash
# The real game with its configuration folder on a small disk that fills up while it runs.
# A coin put in then must be refused and said so, not taken into a credit that a kill
# would lose. The game is then killed with SIGKILL, the disk freed and the game started
# again: the stored credit and counters stand as they were before the disk filled, and a
# deal on the freed disk is taken and stored.
#
# usage: full_disk_test.sh <game> <ledger check>
# Needs a display (run it under xvfb-run), xdotool and the right to mount a tmpfs; exits
# 77 (skipped) where it cannot mount one.
set -uo pipefail

game="$1"
check="$2"

work="$(mktemp -d)"
disk="$work/config"
mkdir -p "$disk"
if ! mount -t tmpfs -o size=256k,mode=0700 tmpfs "$disk" 2>/dev/null; then
  echo "SKIP: no small tmpfs can be mounted here (it needs root), so the full disk was not tried"
  rm -rf "$work"
  exit 77
fi
cleanup() {
  kill -9 "${pid:-0}" 2>/dev/null
  wait 2>/dev/null
  umount "$disk" 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT

export HOME="$work" XDG_CONFIG_HOME="$disk"
config="$disk/Tessaly Software"
mkdir -p "$config"
printf '[2.4]\nSaveCredit=1\nLastCredit=5000\nGameSpeed=1\nAnimatedDupCards=0\n' \
  > "$config/Orvane Cards.conf"
store="$config/Orvane Cards.critical"

fail() {
  echo "FAIL: $1" >&2
  [ -f "$work/game.log" ] && tail -20 "$work/game.log" >&2
  exit 1
}

start() {
  rm -f "$work/game.log"
  "$game" > "$work/game.log" 2>&1 &
  pid=$!
  for ((t = 0; t < 300; t++)); do
    grep -qs "the table is up" "$work/game.log" && break
    kill -0 "$pid" 2>/dev/null || fail "the game ended by itself at start"
    sleep 0.1
  done
  grep -qs "the table is up" "$work/game.log" || fail "the table did not come up"
  window="$(xdotool search --onlyvisible --name '^Orvane Cards 2' 2>/dev/null | tail -1)"
  [ -n "$window" ] || fail "no game window"
}

# The stored figures: sequence S round R flight F credit C win W added A out O won N ...
stored() {
  "$check" "$store" 2> "$work/check.err" || fail "the store does not verify: $(cat "$work/check.err")"
}
field() { # field <line> <name>
  local -a f
  read -r -a f <<< "$1"
  for ((i = 0; i < ${#f[@]}; i += 2)); do
    [ "${f[i]}" = "$2" ] && { echo "${f[i + 1]}"; return; }
  done
}

waitlog() { # waitlog <text>: true once the game has logged it
  for ((t = 0; t < 50; t++)); do
    grep -qsF "$1" "$work/game.log" && return 0
    sleep 0.1
  done
  return 1
}

start
before="$(stored)"
[ "$(field "$before" credit)" = 5000 ] || fail "the kept credit was not given back: $before"

# The disk fills up.
dd if=/dev/zero of="$disk/filler" bs=4k 2> /dev/null
df -k "$disk" | tail -1 | awk '{ exit ($4 == 0 ? 0 : 1) }' || fail "the small disk did not fill"

# A coin of 100 through the add-credit dialog: a click on the credit, then on the coin.
eval "$(xdotool getwindowgeometry --shell "$window")"
xdotool mousemove $((X + 4 + 691)) $((Y + 4 + 88)) click 1
for ((t = 0; t < 50; t++)); do
  dialog="$(xdotool search --onlyvisible --name '^Add credit$' 2>/dev/null | tail -1)"
  [ -n "$dialog" ] && break
  sleep 0.1
done
[ -n "$dialog" ] || fail "the add-credit dialog did not open"
sleep 0.3
# The coin button "100": 7 + 50, 57 + 10 in the dialog's client, one pixel inside its border.
eval "$(xdotool getwindowgeometry --shell "$dialog")"
xdotool mousemove $((X + 58)) $((Y + 68)) click 1
# The notice of the failing saves comes first, while the coin is still being refused.
waitlog "records cannot be saved" || fail "the failing saves were not told"
for ((try = 0; try < 5; try++)); do # the player reads it and presses OK
  sleep 1
  xdotool key Return
  grep -qsF "The coin was not taken" "$work/game.log" && break
done
waitlog "The coin was not taken" || fail "a coin was taken while the records could not be saved"
grep -qsF "cannot be saved in the folder $config (No space left on device)" "$work/game.log" ||
  fail "the player was not told why, naming the folder"

kill -9 "$pid"
wait "$pid" 2> /dev/null
after="$(stored)"
for name in credit added charged; do
  [ "$(field "$after" "$name")" = "$(field "$before" "$name")" ] ||
    fail "$name changed while nothing could be saved: $before -> $after"
done

# Room again: the restart loses nothing and gives nothing twice, and deals are taken.
rm -f "$disk/filler"
start
restarted="$(stored)"
for name in credit added charged; do
  [ "$(field "$restarted" "$name")" = "$(field "$before" "$name")" ] ||
    fail "$name is not what was kept: $before -> $restarted"
done
# The notice of the start is read and closed, then DEAL is clicked.
for ((try = 0; try < 20; try++)); do
  notice="$(xdotool search --onlyvisible --name '^Orvane Cards$' 2> /dev/null | tail -1)"
  [ -n "$notice" ] && break
  sleep 0.2
done
if [ -n "$notice" ]; then
  xdotool windowfocus "$notice" 2> /dev/null
  sleep 0.3
  xdotool key Return
  sleep 0.5
fi
eval "$(xdotool getwindowgeometry --shell "$window")"
for ((try = 0; try < 3; try++)); do
  xdotool mousemove $((X + 4 + 701)) $((Y + 4 + 558)) click 1
  sleep 1
  dealt="$(stored)"
  [ "$(field "$dealt" charged)" -gt "$(field "$before" charged)" ] && break
done
[ "$(field "$dealt" charged)" -gt "$(field "$before" charged)" ] ||
  fail "no deal was taken once the disk had room: $dealt"
echo "full disk: the coin was refused and told, the kill lost nothing (${before}), and the" \
  "freed disk took a deal (${dealt})"
