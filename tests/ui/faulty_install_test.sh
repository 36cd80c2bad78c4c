#!/usr/bin/env bash
# The real program under Xvfb, started where things around it are broken:
#   - a program folder whose list of files is missing, cut short or changed, with the first
#     card set cut short or gone: the list is named, the card set is refused by its
#     pictures, and the table deals with a whole set;
#   - a lock left by a copy killed while run by root ("sudo"), started by an ordinary
#     user: in the user's own folder the lock is taken over; in a folder of root's the game
#     still starts and says why the lock stays.
# Exits 77 (skipped) where there is no Xvfb, or no root to make another user.
#
#   faulty_install_test.sh <program> <folder with the generated content>
set -euo pipefail

program="$1"
content="$2"
skip() {
  echo "SKIP: $*"
  exit 77
}
fail() {
  echo "FAIL: $*" >&2
  exit 1
}
command -v Xvfb >/dev/null || skip "Xvfb is not installed"

scratch="$(mktemp -d)"
chmod 755 "$scratch"
started=()
cleanup() {
  local pid
  for pid in "${started[@]}"; do
    pkill -KILL -P "$pid" 2>/dev/null || true
    kill -KILL "$pid" 2>/dev/null || true
  done
  rm -rf "$scratch"
}
trap cleanup EXIT

# A display of its own, open to every local user (the second part runs as another one).
# Xvfb takes the first free number itself: a display another test starts at the same
# moment can never be taken for this one.
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp -ac 3>"$scratch/display" 2>/dev/null &
started+=("$!")
for _ in $(seq 1 300); do
  [ -s "$scratch/display" ] && break
  sleep 0.1
done
[ -s "$scratch/display" ] || skip "Xvfb did not start"
display=":$(head -n1 "$scratch/display")"

# install <folder>: a program folder of its own, the content copied so it can be damaged.
install() {
  mkdir -p "$1"
  cp "$program" "$1/orvane-cards"
  for entry in "$content"/*; do
    case "$(basename "$entry")" in
      orvane-cards | orvane_* | *_tests | dev.id) continue ;;
    esac
    cp -r "$entry" "$1/"
  done
  chmod -R a+rX "$1"
}

# start <bin> <home> <log> [user]: runs the game in the background; its pid is in $game.
start() {
  local as=()
  [ -z "${4:-}" ] || as=(runuser -u "$4" --)
  mkdir -p "$2/config" "$2/runtime" "$2/tmp"
  chmod 700 "$2/runtime"
  [ -z "${4:-}" ] || chown -R "$4" "$2/runtime" "$2/tmp"
  : >"$3"
  chmod 666 "$3"
  (
    cd "$2"
    exec "${as[@]}" env -i PATH="$PATH" HOME="$2" XDG_CONFIG_HOME="$2/config" \
      XDG_RUNTIME_DIR="$2/runtime" TMPDIR="$2/tmp" USER="${4:-root}" \
      QT_QPA_PLATFORM=xcb DISPLAY="$display" QT_FORCE_STDERR_LOGGING=1 \
      QT_LOGGING_RULES="orvane.main.info=true;orvane.instance.info=true" \
      "$1/orvane-cards" >>"$3" 2>&1
  ) &
  game=$!
  started+=("$game")
}

# wait_for <log> <text> <pid>
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

# stop <pid>: kills the game, and the game runuser started for it.
stop() {
  pkill -KILL -P "$1" 2>/dev/null || true
  kill -KILL "$1" 2>/dev/null || true
  wait "$1" 2>/dev/null || true
}

# ---- a damaged program folder -----------------------------------------------------------
for case in "removed list, cut set" "removed list, removed set" "list cut short, cut set" \
  "list with a byte changed, removed set"; do
  bin="$scratch/bin"
  rm -rf "$bin" "$scratch/home"
  install "$bin"
  list="$bin/Data/manifest.txt"
  case "$case" in
    "removed list"*) rm "$list"; said="is missing, so the other files cannot be checked" ;;
    "list cut short"*) truncate -s $(($(stat -c %s "$list") / 2)) "$list"; said="is damaged" ;;
    "list with a byte"*)
      printf 'X' | dd of="$list" bs=1 seek=$(($(stat -c %s "$list") / 3)) conv=notrunc status=none
      said="is damaged"
      ;;
  esac
  case "$case" in
    *"cut set") truncate -s 2000 "$bin/zqcsrl_pi.dll" ;;
    *"removed set") rm "$bin/zqcsrl_pi.dll" ;;
  esac
  # The start-up message holds the window back until it is answered; the log has it all.
  start "$bin" "$scratch/home" "$scratch/content.log"
  wait_for "$scratch/content.log" "content checked in" "$game"
  wait_for "$scratch/content.log" "Data/manifest.txt\\\", the list of the game's files, $said" "$game"
  wait_for "$scratch/content.log" 'zqcsrl_pi.dll\" is damaged: the card picture' "$game"
  for whole in zqcsrl_pl.dll zqcsrl_asi.dll; do
    if grep -F "$whole\\\" is" "$scratch/content.log"; then
      fail "$case: the whole set $whole was blamed"
    fi
  done
  if grep -q "OUT OF SERVICE" "$scratch/content.log"; then
    fail "$case: a whole set was there, yet the machine is out of service"
  fi
  stop "$game"
  echo "ok: $case"
done

# ---- a stale lock of root's, met by an ordinary user -------------------------------------
[ "$(id -u)" -eq 0 ] || skip "the damaged folders passed; a lock of another user needs root"
command -v runuser >/dev/null || skip "runuser is not installed"
player=orvane-player
if ! id "$player" >/dev/null 2>&1; then
  useradd --system --no-create-home --shell /usr/sbin/nologin "$player" 2>/dev/null ||
    skip "no user $player and none can be made"
fi
bin="$scratch/bin"
rm -rf "$bin"
install "$bin"
for folder_owner in player root; do
  home="$scratch/home-$folder_owner"
  store="$home/config/Tessaly Software"
  lock="$store/Orvane Cards.lock"
  # A run as root, killed: its lock stays behind.
  start "$bin" "$home" "$scratch/root.log"
  wait_for "$scratch/root.log" "the table is up" "$game"
  stop "$game"
  [ -e "$lock" ] || fail "the killed run left no lock"
  chmod 755 "$home" "$home/config"
  chown "$player" "$home" "$home/config"
  if [ "$folder_owner" = player ]; then
    find "$store" -mindepth 0 ! -path "$lock" -exec chown "$player" {} +
  else
    chmod 755 "$store"  # as an older version left it: the lock can be read, not removed
  fi
  start "$bin" "$home" "$scratch/player.log" "$player"
  if [ "$folder_owner" = player ]; then
    wait_for "$scratch/player.log" "the table is up" "$game"
    [ "$(stat -c %U "$lock")" = "$player" ] || fail "the stale lock of root's was not taken over"
    [ "$(head -n 1 "$lock")" = "$game" ] || [ -n "$(pgrep -P "$game" -x orvane-cards)" ] ||
      fail "the lock does not name the running game"
  else
    wait_for "$scratch/player.log" "left by a copy that has ended cannot be replaced: \"Permission denied\"" "$game"
  fi
  if grep -q "does not answer" "$scratch/player.log"; then
    fail "$folder_owner's folder: the game said a copy runs that does not answer"
  fi
  stop "$game"
  echo "ok: a stale lock of root's in the $folder_owner's folder"
done
echo "PASS"
