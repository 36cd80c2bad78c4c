#!/usr/bin/env bash
# Installs the build into a scratch prefix, checks what was installed, validates the
# desktop entry and the metainfo the way software centres read them, then starts the
# installed game through its link in bin/ and waits until it reaches the table.
#
#   install_test.sh <cmake> <build folder> <program folder under the prefix> <app id>
#                   <desktop-file-validate> <appstreamcli>
set -euo pipefail

cmake="$1"
build="$2"
program_dir="$3"
app_id="$4"
desktop_validate="$5"
appstream="$6"

scratch="$(mktemp -d)"
game_pid=""
cleanup() {
  if [ -n "$game_pid" ] && kill -0 "$game_pid" 2>/dev/null; then
    kill -KILL "$game_pid" 2>/dev/null || true
    wait "$game_pid" 2>/dev/null || true
  fi
  rm -rf "$scratch"
}
trap cleanup EXIT

fail() {
  echo "FAIL: $*" >&2
  exit 1
}

need_tool() {
  command -v "$1" >/dev/null || fail "$1 is missing: install the Debian package $2"
}
need_tool "$desktop_validate" desktop-file-utils
need_tool "$appstream" appstream

# ---- install ------------------------------------------------------------------------

prefix="$scratch/prefix"
if ! "$cmake" --install "$build" --prefix "$prefix" >"$scratch/install.log" 2>&1; then
  cat "$scratch/install.log" >&2
  fail "cmake --install did not finish"
fi

program="$prefix/$program_dir/orvane-cards"
link="$prefix/bin/orvane-cards"
[ -x "$program" ] || fail "no program at $program"
[ -L "$link" ] || fail "$link is not a symbolic link"
[ "$(readlink -f "$link")" = "$(readlink -f "$program")" ] || fail "$link does not lead to $program"
case "$(readlink "$link")" in
  /*) fail "$link is absolute; a relative link survives moving the prefix" ;;
esac

# Everything the game loads beside itself, by the names it asks for.
content=(
  zqcsrl_pi.dll zqcsrl_pl.dll zqcsrl_asi.dll zqmrl.dll
  zqcsrl_pi_4c.dll zqcsrl_pl_4c.dll zqcsrl_asi_4c.dll
  bm_clas.zqi bm_gr.zqi bm_mod.zqi bm_w.zqi bm_ntr.dat.jpg
  optt1.zqi optt2.zqi optt3.zqi optt4.zqi optcs1.zqi optcs2.zqi optcs3.zqi
  Data/gfx/splash.png Data/gfx/icon.png Data/gfx/deal@2x.png
  help/index.html help/keyboard.html help/help.css help/pictures/dealt-hand.png
  Data/manifest.txt
)
for scheme in 1 2; do
  for sound in dcard1 h_card win bigwin show_dup dup_win cash addcrdt; do
    content+=("Data/zqs$scheme/$sound.zqs")
  done
done
for file in "${content[@]}"; do
  [ -s "$prefix/$program_dir/$file" ] || fail "$file was not installed beside the program"
done
# The test programs share the build's program folder; they must stay behind.
for stray in "$prefix/$program_dir"/*_tests "$prefix/$program_dir/orvane_bench"; do
  [ -e "$stray" ] && fail "$(basename "$stray") was installed"
done

for size in 16 22 24 32 48 64 128 256; do
  [ -s "$prefix/share/icons/hicolor/${size}x${size}/apps/orvane-cards.png" ] ||
    fail "no ${size}x${size} icon"
done
[ -s "$prefix/share/icons/hicolor/scalable/apps/orvane-cards.svg" ] || fail "no scalable icon"

# ---- validate -----------------------------------------------------------------------

desktop="$prefix/share/applications/orvane-cards.desktop"
metainfo="$prefix/share/metainfo/$app_id.metainfo.xml"
"$desktop_validate" "$desktop" || fail "desktop-file-validate rejects $desktop"
"$appstream" validate --no-net "$metainfo" || fail "appstreamcli rejects $metainfo"
"$appstream" validate-tree --no-net "$prefix" || fail "appstreamcli rejects the installed tree"
grep -q "<release version=\"[0-9]" "$metainfo" || fail "the metainfo names no release"

# ---- start --------------------------------------------------------------------------

home="$scratch/home"
config="$scratch/config"
runtime="$scratch/runtime"
mkdir -p "$home" "$config" "$runtime"
chmod 700 "$runtime"
log="$scratch/game.log"

# Started through the link from an unrelated folder: the game must find its content
# through the link's target. It has no options; the window logs reaching the table.
(
  cd "$scratch"
  exec env HOME="$home" XDG_CONFIG_HOME="$config" XDG_RUNTIME_DIR="$runtime" \
    QT_QPA_PLATFORM=offscreen QT_FORCE_STDERR_LOGGING=1 \
    QT_LOGGING_RULES="orvane.main.info=true" \
    "$link" >"$log" 2>&1
) &
game_pid=$!

up_line="orvane.main: the table is up"
# A deadline for a hung start on a busy machine, not a speed requirement.
deadline=$((SECONDS + 180))
until grep -q "$up_line" "$log"; do
  if ! kill -0 "$game_pid" 2>/dev/null; then
    cat "$log" >&2
    fail "the game ended before it reached the table"
  fi
  if [ "$SECONDS" -ge "$deadline" ]; then
    cat "$log" >&2
    fail "the game did not reach the table"
  fi
  sleep 0.2
done

if grep -E "^orvane\.(errors|resources)" "$log" >&2; then
  fail "the installed game reported missing or damaged content"
fi

settings="$config/Tessaly Software/Orvane Cards.conf"
[ -s "$settings" ] || fail "no settings written to $settings"
grep -qx "\[2.4\]" "$settings" || fail "the settings have no [2.4] section"
grep -qx "Prize1=1100" "$settings" || fail "the default pay table was not written"
grep -qx "OrvaneNumber=7" "$settings" || fail "the default bonus rank was not written"
[ ! -e "$home/.config/Tessaly Software" ] || fail "the settings went to HOME, not XDG_CONFIG_HOME"

# The game still runs; stop it. A stop signal closes it the normal way, which ends with
# status 0; dying of the signal would read 143, a crash 134 (abort) or 139 (segmentation
# fault).
kill -0 "$game_pid" 2>/dev/null || fail "the game ended right after reaching the table"
kill -TERM "$game_pid"
status=0
wait "$game_pid" || status=$?
game_pid=""
[ "$status" -eq 0 ] || { cat "$log" >&2; fail "the game ended with status $status"; }

echo "installed game reached the table and stopped cleanly"
