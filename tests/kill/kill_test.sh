#!/usr/bin/env bash
# Plays the real game with random keys and kills it with SIGKILL at a random instant, again
# and again, restarting it each time. After every kill the critical store must verify, its
# credit must equal what came in, went out, was won and was bet, and no counter may go
# backwards: a kill may lose the keys pressed since the last change was stored, never a
# stored change, and a restart may never pay anything a second time.
#
# usage: kill_test.sh <game> <ledger check> <kills> [seed]
# Needs a display (run it under xvfb-run) and xdotool.
set -uo pipefail

game="$1"
check="$2"
kills="$3"
RANDOM="${4:-1}"

work="$(mktemp -d)"
trap 'kill -9 "${pid:-0}" 2>/dev/null; rm -rf "$work"' EXIT
export HOME="$work" XDG_CONFIG_HOME="$work/config"
config="$XDG_CONFIG_HOME/Tessaly Software"
mkdir -p "$config"
# Coins for the whole run, the fast game speed, no question at the exit.
printf '[2.4]\nSaveCredit=1\nLastCredit=500000\nGameSpeed=1\nAnimatedDupCards=0\n' \
  > "$config/Orvane Cards.conf"
store="$config/Orvane Cards.critical"
keys=(space Return 1 2 3 4 5 6 7 space space 2 4)

fail() {
  echo "FAIL after kill $1: $2" >&2
  [ -f "$work/game.log" ] && tail -20 "$work/game.log" >&2
  exit 1
}

previous=(0 0 0 0)
midround=0
ended=0
for ((k = 1; k <= kills; k++)); do
  # Removed here, not only truncated by the start: the shell may look for the new game's
  # "up" line before the new process has truncated the old game's log.
  rm -f "$work/game.log"
  "$game" > "$work/game.log" 2>&1 &
  pid=$!
  up=0
  for ((t = 0; t < 300; t++)); do
    if grep -qs "the table is up" "$work/game.log"; then up=1; break; fi
    kill -0 "$pid" 2>/dev/null || fail "$k" "the game ended by itself at start"
    sleep 0.1
  done
  [ "$up" = 1 ] || fail "$k" "the table did not come up"
  window="$(xdotool search --onlyvisible --name 'Orvane Cards' 2>/dev/null | tail -1)"
  [ -n "$window" ] && xdotool windowfocus "$window" 2>/dev/null
  # Play for 0.1 .. 2.5 s, a key every 20 .. 80 ms, then the kill.
  end=$(( $(date +%s%N) / 1000000 + 100 + RANDOM % 2400 ))
  while (( $(date +%s%N) / 1000000 < end )); do
    xdotool key "${keys[RANDOM % ${#keys[@]}]}" 2>/dev/null
    sleep "0.0$(( 2 + RANDOM % 7 ))"
  done
  kill -9 "$pid" 2>/dev/null
  wait "$pid" 2>/dev/null
  status=$?
  # The shell reaps a game that ends by itself at once, so only its status tells it from
  # one this script killed (128 + 9). What such a game left must still hold, and its log
  # is kept for whoever looks into it.
  if [ "$status" != 137 ]; then
    ended=$((ended + 1))
    echo "kill $k: the game ended by itself (status $status) before it was killed; its log:" >&2
    tail -15 "$work/game.log" >&2
    [ -n "${ORVANE_KILL_LOGS:-}" ] && cp "$work/game.log" "$ORVANE_KILL_LOGS/ended-$k.log"
  fi

  line="$("$check" "$store" 2> "$work/check.err")" || fail "$k" "$(cat "$work/check.err")"
  [ "$line" = none ] && fail "$k" "nothing was stored"
  read -r -a f <<< "$line"
  # sequence S round R flight F credit C win W added A out O won N charged B games G
  [ "${f[3]}" != 0 ] || [ "${f[5]}" != 0 ] && midround=$((midround + 1))
  current=("${f[11]}" "${f[13]}" "${f[15]}" "${f[17]}")
  for i in 0 1 2 3; do
    (( current[i] >= previous[i] )) || fail "$k" "a stored counter went back: ${previous[*]} -> ${current[*]}"
  done
  previous=("${current[@]}")
done
echo "$kills kills, $midround of them in the middle of a round, $ended games ended by" \
  "themselves before the kill; the store verified and its credit matched its counters" \
  "after every one (last: $line)"
