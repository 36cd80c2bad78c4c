#!/usr/bin/env bash
# The real program as a player starts it, on the offscreen platform with a scratch home,
# configuration, runtime and temporary folder (never the player's own):
#   - SIGTERM, SIGHUP and SIGINT end it through the normal close: open dialogs closed, the
#     store saved, the lock released, exit status 0;
#   - a second start brings the first forward and ends without touching the store;
#   - a lock left by a copy killed with SIGKILL is taken over by the next start;
#   - a first copy that does not answer is reported by the second, which ends;
#   - under Xvfb (when installed), a display server that goes away: Qt ends the game with
#     status 1 from its own code, and the store is saved first.
# Every close saves the store: a bonus countdown stored above full (25) is played as it is
# but saved as full (10), so the value read back shows whether the close saved.
#
#   program_process_test.sh <program> <folder with the generated content>
set -euo pipefail

program="$1"
content="$2"

scratch="$(mktemp -d)"
started=()
cleanup() {
  local pid
  for pid in "${started[@]}"; do
    kill -CONT "$pid" 2>/dev/null || true
    kill -KILL "$pid" 2>/dev/null || true
  done
  rm -rf "$scratch"
}
trap cleanup EXIT

fail() {
  echo "FAIL: $*" >&2
  exit 1
}

# A program folder of its own: the game finds its content beside itself.
bin="$scratch/bin"
mkdir -p "$bin" "$scratch/home" "$scratch/config" "$scratch/runtime" "$scratch/tmp"
chmod 700 "$scratch/runtime"
cp "$program" "$bin/orvane-cards"
for entry in "$content"/*; do
  name="$(basename "$entry")"
  case "$name" in
    orvane-cards | orvane_* | *_tests | dev.id) continue ;;
  esac
  ln -s "$entry" "$bin/$name"
done

store_folder="$scratch/config/Tessaly Software"
settings="$store_folder/Orvane Cards.conf"
lock="$store_folder/Orvane Cards.lock"

# start <log>: runs the game in the background; its pid is in $game.
start() {
  : >"$1"
  (
    cd "$scratch"
    exec env -i PATH="$PATH" HOME="$scratch/home" XDG_CONFIG_HOME="$scratch/config" \
      XDG_RUNTIME_DIR="$scratch/runtime" TMPDIR="$scratch/tmp" USER="${USER:-player}" \
      QT_QPA_PLATFORM="${platform:-offscreen}" DISPLAY="${display:-}" QT_FORCE_STDERR_LOGGING=1 \
      QT_LOGGING_RULES="orvane.main.info=true;orvane.instance.info=true;orvane.signals.info=true;orvane.shell.info=true;orvane.display.info=true" \
      "$bin/orvane-cards" >"$1" 2>&1
  ) &
  game=$!
  started+=("$game")
}

# wait_for <log> <text> <pid>: until the log holds the text. The deadline is only there
# for a hung start on a busy machine.
wait_for() {
  local deadline=$((SECONDS + 180))
  until grep -qF -- "$2" "$1"; do
    if ! kill -0 "$3" 2>/dev/null; then
      cat "$1" >&2
      fail "the game ended before it logged \"$2\""
    fi
    [ "$SECONDS" -lt "$deadline" ] || { cat "$1" >&2; fail "no \"$2\" in the log"; }
    sleep 0.2
  done
}

# ended <pid>: waits for the game to end; its exit status is in $status. A game still
# running after the deadline (a stop that was swallowed) is killed and reads 137.
ended() {
  (
    trap 'kill "$nap" 2>/dev/null; exit 0' TERM
    sleep 120 &
    nap=$!
    wait "$nap"
    kill -KILL "$1"
  ) 2>/dev/null &
  local watchdog=$!
  status=0
  wait "$1" || status=$?
  kill "$watchdog" 2>/dev/null || true
  wait "$watchdog" 2>/dev/null || true
}

store_with() {
  mkdir -p "$store_folder"
  {
    echo "[2.4]"
    echo "SaveCredit=1"
    echo "LastCredit=470"
    echo "Orvane_State5=25"
    for line in "$@"; do echo "$line"; done
  } >"$settings"
}

value() {
  sed -n "s/^$1=//p" "$settings"
}

expect_saved_by_close() {
  [ "$(value Orvane_State5)" = "10" ] || fail "$1: the store was not saved (Orvane_State5=$(value Orvane_State5))"
  [ "$(value LastCredit)" = "470" ] || fail "$1: the credit was not kept (LastCredit=$(value LastCredit))"
  [ ! -e "$lock" ] || fail "$1: the lock was left behind"
  if compgen -G "$scratch/tmp/Orvane Cards-*" >/dev/null; then
    fail "$1: a temporary sound folder was left behind"
  fi
}

# ---- each stop signal closes the game the normal way ---------------------------------
for signal in TERM HUP INT; do
  store_with
  start "$scratch/$signal.log"
  wait_for "$scratch/$signal.log" "the table is up" "$game"
  kill "-$signal" "$game"
  ended "$game"
  [ "$status" -eq 0 ] || { cat "$scratch/$signal.log" >&2; fail "SIG$signal: exit status $status"; }
  expect_saved_by_close "SIG$signal"
done

# ---- a stop while a dialog is open at start-up -----------------------------------------
store_with "CreditAtStart=1"
start "$scratch/dialog.log"
wait_for "$scratch/dialog.log" "the table is up" "$game"
kill -TERM "$game"
ended "$game"
[ "$status" -eq 0 ] || { cat "$scratch/dialog.log" >&2; fail "dialog open: exit status $status"; }
grep -qF "closing the dialog" "$scratch/dialog.log" || fail "the add-credit dialog was not closed first"
expect_saved_by_close "dialog open"

# ---- a stop while the error box of the load is up, before the window exists ----------
store_with "GameSpeed=fast"
start "$scratch/error.log"
wait_for "$scratch/error.log" "problems while" "$game"
kill -TERM "$game"
ended "$game"
[ "$status" -eq 0 ] || { cat "$scratch/error.log" >&2; fail "error box: exit status $status"; }
[ "$(value GameSpeed)" = "2" ] || fail "error box: the damaged value was not replaced on close"
expect_saved_by_close "error box"

# ---- a second start gives way to the first --------------------------------------------
store_with
start "$scratch/first.log"
first=$game
wait_for "$scratch/first.log" "the table is up" "$first"
before="$(sha256sum "$settings")"
start "$scratch/second.log"
second=$game
ended "$second"
[ "$status" -eq 0 ] || { cat "$scratch/second.log" >&2; fail "second start: exit status $status"; }
grep -qF "already running" "$scratch/second.log" || fail "the second start did not say so"
wait_for "$scratch/first.log" "asked this copy to come forward" "$first"
grep -qF "the table is up" "$scratch/second.log" && fail "the second start opened a table"
[ "$(sha256sum "$settings")" = "$before" ] || fail "the second start touched the store"

# ---- a first copy that does not answer ----------------------------------------------
kill -STOP "$first"
start "$scratch/frozen.log"
second=$game
wait_for "$scratch/frozen.log" "does not answer" "$second"
kill -TERM "$second"  # its message box is up; the stop closes it
ended "$second"
[ "$status" -eq 1 ] || { cat "$scratch/frozen.log" >&2; fail "no answer: exit status $status"; }
[ "$(sha256sum "$settings")" = "$before" ] || fail "the start that got no answer touched the store"
kill -CONT "$first"
kill -TERM "$first"
ended "$first"
[ "$status" -eq 0 ] || fail "the first copy ended with status $status"
expect_saved_by_close "first copy"

# ---- a lock left by a killed copy is taken over -----------------------------------------
store_with
start "$scratch/killed.log"
wait_for "$scratch/killed.log" "the table is up" "$game"
kill -KILL "$game"
ended "$game" 2>/dev/null
[ -e "$lock" ] || fail "a killed copy left no lock (nothing to take over)"
start "$scratch/after-kill.log"
wait_for "$scratch/after-kill.log" "the table is up" "$game"
kill -TERM "$game"
ended "$game"
[ "$status" -eq 0 ] || fail "after a kill: exit status $status"
expect_saved_by_close "after a kill"

# ---- the display server goes away --------------------------------------------------
if command -v Xvfb >/dev/null; then
  Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$scratch/display" 2>/dev/null &
  server=$!
  started+=("$server")
  deadline=$((SECONDS + 60))
  until [ -s "$scratch/display" ]; do
    [ "$SECONDS" -lt "$deadline" ] || fail "Xvfb did not start"
    sleep 0.2
  done
  store_with
  platform=xcb display=":$(head -n1 "$scratch/display")" start "$scratch/display.log"
  wait_for "$scratch/display.log" "the table is up" "$game"
  kill -KILL "$server"
  ended "$game"
  [ "$status" -eq 1 ] || { cat "$scratch/display.log" >&2; fail "lost display: exit status $status"; }
  grep -qF "the game was saved" "$scratch/display.log" || fail "lost display: no save logged"
  [ "$(value Orvane_State5)" = "10" ] || fail "lost display: the store was not saved"
  [ "$(value LastCredit)" = "470" ] || fail "lost display: the credit was not kept"
else
  echo "Xvfb is not installed: the lost display is not tried"
fi

echo "stop signals, second starts, stale locks and a lost display behave"
