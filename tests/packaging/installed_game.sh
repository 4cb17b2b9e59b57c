# SPDX-License-Identifier: GPL-3.0-or-later
# Starts an installed game the way a player would meet it: its folder
# read-only, a fresh home, no display (the offscreen platform), and checks
# that it starts without an "Unable to write" box, deals a round from the
# installed dictionaries and keeps its settings in the player's
# configuration folder. Sourced by the install and package tests.
#
# The game has no switches of its own, so the unattended run is the start-up
# measurer (same libraries, same program) placed in the installed program
# folder; the installed executable itself is started too and must still be
# running after a few seconds.
#
#   check_installed_game <path of games/splitwick> <scratch folder> <build folder>

fail() { echo "FAIL: $*" >&2; exit 1; }

check_installed_game() {
  local game=$1 scratch=$2 build=$3
  local program home log
  program=$(dirname "$(readlink -f "$game")")
  home=$scratch/home
  log=$scratch/game.log
  mkdir -p "$home"
  [ -x "$program/splitwick" ] || fail "no game in $program"
  for kind in kbs sound music xq; do
    [ -d "$program/$kind" ] || fail "the program folder has no $kind/"
  done
  [ -f "$program/starting-settings.ini" ] || fail "the program folder has no starting settings"

  cp "$build/tools/measure-program" "$program/measure-program" || fail "no measure-program in $build/tools"
  chmod -R a-w "$program"
  chmod a+rx "$scratch"
  local as_player=()
  if [ "$(id -u)" = 0 ]; then
    # Root writes anywhere: play as an ordinary user, as the package's players do.
    chown -R 65534:65534 "$home"
    as_player=(setpriv --reuid=65534 --regid=65534 --clear-groups)
  fi
  local player_env=(env -i PATH=/usr/bin:/bin HOME="$home" XDG_CONFIG_HOME="$home/.config"
                    XDG_DATA_HOME="$home/.local/share" QT_QPA_PLATFORM=offscreen SDL_AUDIODRIVER=dummy
                    ASAN_OPTIONS=detect_leaks=0)
  local settings=$home/.config/splitwick/ZRV_XQ.INI
  run_measurer() {
    local status=0
    "${player_env[@]}" timeout 120 "${as_player[@]}" "$program/measure-program" 5 >"$log" 2>&1 || status=$?
    cat "$log"
    [ "$status" = 0 ] || fail "the installed program ended with status $status"
    grep -q "Dealt .* in 5 rows" "$log" || fail "no round was dealt from the installed dictionaries"
    ! grep -q "Unable to write" "$log" || fail "the game could not write its files"
    ! grep -q "Cannot open folder" "$log" || fail "the game misses a data folder"
    [ -f "$settings" ] || fail "no settings file in the player's configuration folder"
  }

  # A new player starts with the shipped sounds and a tune chosen...
  touch "$scratch/started"
  run_measurer
  grep -q "Window icon 256x256, desktop entry org.example.splitwick.Splitwick$" "$log" \
    || fail "the window has no icon or does not name its desktop entry"
  grep -q "^GoodDropSound=..*" "$settings" || fail "no sound chosen on a first start"
  grep -q "^music=..*" "$settings" || fail "no tune chosen on a first start"
  [ -z "$(find -L "$program" -newer "$scratch/started")" ] || fail "the game wrote into its program folder"
  # ... and a player's own choice of none stays.
  sed -i 's/^GoodDropSound=.*/GoodDropSound=\r/; s/^music=.*/music=\r/' "$settings"
  [ ${#as_player[@]} = 0 ] || chown 65534:65534 "$settings"
  run_measurer
  grep -q "^GoodDropSound=.\?$" "$settings" || fail "the starting sounds replaced the player's choice"
  grep -q "^music=.\?$" "$settings" || fail "the starting tune replaced the player's choice"

  # Settings that came with the installation are a new player's starting point.
  rm -rf "$home/.config"
  chmod u+w "$program"
  printf '[Options]\r\nFontSize=17\r\n' > "$program/ZRV_XQ.INI"
  chmod a-w "$program"
  run_measurer
  grep -q "FontSize=17" "$settings" || fail "the installation's settings were not the starting point"

  # Root could write into the installation; its game still keeps root's files in root's own folder.
  if [ "$(id -u)" = 0 ]; then
    local root_home=$scratch/root-home
    mkdir -p "$root_home"
    touch "$scratch/root-started"
    status=0
    env -i PATH=/usr/bin:/bin HOME="$root_home" XDG_CONFIG_HOME="$root_home/.config" \
        XDG_DATA_HOME="$root_home/.local/share" QT_QPA_PLATFORM=offscreen SDL_AUDIODRIVER=dummy \
        ASAN_OPTIONS=detect_leaks=0 timeout 120 "$program/measure-program" 5 >"$scratch/root.log" 2>&1 || status=$?
    [ "$status" = 0 ] || { cat "$scratch/root.log"; fail "root's run ended with status $status"; }
    [ -f "$root_home/.config/splitwick/ZRV_XQ.INI" ] || fail "root's settings are not in root's configuration folder"
    [ -z "$(find -L "$program" -newer "$scratch/root-started")" ] || fail "root's run wrote into the installation"
  fi

  # The installed executable itself: still running (status 124 from timeout) after a few seconds.
  local status=0
  "${player_env[@]}" timeout 5 "${as_player[@]}" "$game" >"$scratch/game-run.log" 2>&1 || status=$?
  [ "$status" = 124 ] || { cat "$scratch/game-run.log"; fail "the installed game ended early with status $status"; }
  chmod -R u+w "$program"
  echo "installed game started from $program and wrote $settings"
}
