# Hostile files, registry values, paths and failures, against the real
# programs: each start still shows the main window, failures give one clear
# message where the programs report them, and a write touches only its own
# keys. Every other key of a settings file is compared before and after, as
# the platform reads it: Wine's private-profile writer puts the whole file out
# again for each key, with CR LF line ends and without blanks around names and
# values, so the comparison ignores exactly that.
HS_GAME='C:\Program Files\Korvel\Zanto'
HS_CONNECT_MP="サーバへ接続"
HS_START_FAILURE="起動に失敗しました"
HS_SAVE_FAILURE="設定を保存できませんでした。ディスクの空き容量とファイルの属性を確認してください。"
# The keys that the Controls page writes into PERIPHERAL.
HS_BINDING_KEYS='^PLAYER[12] (DEVICE|KEYBOARD (UP|DOWN|LEFT|RIGHT|FIRE[123])|PAD FIRE[123])$'
HS_RECENT_KEYS='^Addr(0[1-9]|1[0-6])$'

# ---- helpers ------------------------------------------------------------------

# Undoes what these tests do to the machine: small file systems mounted inside
# the prefix, and files made unwritable even for root.
hs_cleanup() {
  "$WINESERVER" -k >/dev/null 2>&1 || true
  "$WINESERVER" -w >/dev/null 2>&1 || true
  local m
  for m in $(awk -v p="$WINEPREFIX/" 'index($2, p) == 1 && $3 == "tmpfs" { print $2 }' /proc/mounts | sort -r); do
    m=$(printf '%b' "$m")  # /proc/mounts writes a space as \040
    umount "$m" 2>/dev/null || umount -l "$m" 2>/dev/null
  done
  [ -n "${HS_IMMUTABLE:-}" ] && chattr -i "$HS_IMMUTABLE" 2>/dev/null
  HS_IMMUTABLE=""
  return 0
}

# Text in CP932, as the programs and the game keep it.
hs_cp932() { printf '%s' "$1" | iconv -f UTF-8 -t CP932; }

# The keys of an INI file as the platform reads them, one per line as
# "[section]<TAB>key=value" (or the line itself when it has no "="): any line
# end, blanks around names and values trimmed, blank lines left out. Keys of
# section $2 whose names match $3 are left out too.
hs_keys() {  # file [section key-regex]
  LC_ALL=C tr '\r' '\n' < "$1" | LC_ALL=C awk -v drop="${2:-}" -v keys="${3:-}" '
    function trim(s) { sub(/^[ \t]+/, "", s); sub(/[ \t]+$/, "", s); return s }
    { line = trim($0) }
    line == "" { next }
    line ~ /^\[/ { sec = line; print sec; next }
    { i = index(line, "=")
      if (i == 0) { print sec "\t" line; next }
      k = trim(substr(line, 1, i - 1)); v = trim(substr(line, i + 1))
      if (drop != "" && toupper(sec) == toupper("[" drop "]") && k ~ keys) next
      print sec "\t" k "=" v }'
}

# The values of keys of section $2 whose names match $3, one per line as "key=value".
hs_values() {  # file section key-regex
  LC_ALL=C tr '\r' '\n' < "$1" | LC_ALL=C awk -v want="$2" -v keys="$3" '
    function trim(s) { sub(/^[ \t]+/, "", s); sub(/[ \t]+$/, "", s); return s }
    { line = trim($0) }
    line ~ /^\[/ { insec = toupper(line) == toupper("[" want "]"); next }
    insec { i = index(line, "="); if (i == 0) next
            k = trim(substr(line, 1, i - 1)); if (k ~ keys) print k "=" trim(substr(line, i + 1)) }'
}

# Like check, for two key lists: a failure shows where they part, not both whole.
hs_same_keys() {  # description expected actual
  if [ "$2" == "$3" ]; then
    E2E_PASSED=$((E2E_PASSED + 1))
  else
    E2E_FAILED=$((E2E_FAILED + 1))
    echo "FAIL $1"
    diff <(printf '%s\n' "$2") <(printf '%s\n' "$3") | cut -c1-160 | head -12
  fi
}

hs_sum() { if [ -e "$1" ]; then md5sum < "$1" 2>/dev/null || echo folder; else echo missing; fi; }

hs_start() { start_and_wait "$1"; }  # m_portal|launcher

# Opens the options sheet over the main window titled $1 and closes it with OK.
hs_sheet_ok() {  # title
  zd click "$1" "$IDC_MAIN_OPTIONS"
  zd wait "$SHEET" 15000 || return 1
  zd ok "$SHEET"
  zd gone "$SHEET" 10000
}

# Answers the failure message of an OK: it closes, no second one follows, and
# the sheet is still open behind it. Each is a wait with a bound, not a look at
# a fixed moment after the answer: on a loaded machine the box may still be
# closing then, and the sheet still disabled behind it.
hs_answer_failure() {  # description
  zd answer "$TITLE_MP" 1
  check_ok "$1: the message closes" zd boxgone "$TITLE_MP" 10000
  check "$1: one message only" 1 "$(zd msgbox "$TITLE_MP" 1000 >/dev/null; echo $?)"
  check_ok "$1: sheet still open" zd wait "$SHEET" 10000
}

# Presses OK on m_portal's open options sheet, which cannot save: one message,
# the sheet still open behind it; then Cancel.
hs_ok_fails() {  # description screenshot-name
  zd ok "$SHEET"
  check "$1: message" "$HS_SAVE_FAILURE" "$(zd msgbox "$TITLE_MP" 10000)"
  shot "hostile-$2"
  hs_answer_failure "$1"
  zd cancel "$SHEET"
  check_ok "$1: Cancel closes the sheet" zd gone "$SHEET" 10000
}

hs_open_sheet() {
  zd click "$TITLE_MP" "$IDC_MAIN_OPTIONS"
  zd wait "$SHEET" 15000
}

hs_mp_exit() {
  zd click "$TITLE_MP" 2
  zd msgbox "$TITLE_MP" 10000 >/dev/null
  zd answer "$TITLE_MP" 6
  app_exit_code
}

# A Zanto.ini that breaks every habit of a tidy file: a 10,000-byte value,
# the same in double-byte characters, control and katakana bytes, a line
# without "=", a comment, duplicate sections and keys, a section with CR-only
# and one with LF-only line ends, and bindings that are no numbers or too
# large for one.
hs_hostile_ini() {
  local long kanji nines
  long=$(head -c 10000 /dev/zero | tr '\0' x)
  kanji=$(hs_cp932 "$(printf '漢%.0s' $(seq 1 5000))")
  nines=$(head -c 10000 /dev/zero | tr '\0' 9)
  printf '[SYSTEM]\r\nResolution=6\r\nLong=%s\r\nKanji=%s\r\n' "$long" "$kanji"
  printf 'this line has no equals sign\r\n; a comment\r\n'
  printf 'Binary=\x01\x02\x1b\x7f\xa1\xdf\x80 end\r\n'
  printf '[NETWORK]\r\nLog=1\r\nLog=0\r\n'
  printf '[NETWORK]\r\nChatLines=7\r\n%s\r\n' "$(hs_cp932 'ShortCutMessage_F01=こんにちは')"
  printf '[CRONLY]\rA=1\rB=2\r'
  printf '[LFONLY]\nC=3\nD=4\n'
  printf '[PERIPHERAL]\r\nPLAYER1 KEYBOARD UP=99999999999999999999\r\nPLAYER1 DEVICE=garbage\r\n'
  printf 'PLAYER2 KEYBOARD UP=%s\r\nPLAYER1 KEYBOARD DOWN=-5\r\nExtra=keep me\r\n' "$nines"
  printf '[PERIPHERAL]\r\nPLAYER1 KEYBOARD LEFT=1\r\n'
}

# About 16 KB of keys that page 0 does not write, a little short of a whole
# number of 4 KB pages, so that the keys an OK adds need room the disk lacks.
hs_big_ini() {
  {
    # PERIPHERAL first, as the game leaves it: keys added there move all the rest.
    printf '[PERIPHERAL]\r\nPLAYER1 DEVICE=0\r\n[NETWORK]\r\n'
    local i
    for i in $(seq -w 1 300); do printf 'Key%s=value value value value value %s\r\n' "$i" "$i"; done
    printf '[SYSTEM]\r\nResolution=6\r\n'
  } > "$1"
  hs_pad "$1" 200
}

# Pads a settings file to $2 bytes short of a whole number of 4 KB pages.
hs_pad() {  # file slack
  local size pad
  size=$(stat -c %s "$1")
  pad=$((16384 - $2 - size - 11))
  printf '[Pad]\r\nPad=%s\r\n' "$(head -c "$pad" /dev/zero | tr '\0' p)" >> "$1"
}

# Fills the file system that holds $1 (a folder) to the last block.
hs_fill() { dd if=/dev/zero of="$1/filler" bs=4k 2>/dev/null; sync; }

# ---- Zanto.ini and .CFG contents --------------------------------------------------

test_mp_hostile_ini_starts_and_ok_writes_only_peripheral() {
  mkdir -p "$SETTINGS_DIR"
  hs_hostile_ini > "$INI"
  local before
  before=$(hs_keys "$INI" PERIPHERAL "$HS_BINDING_KEYS")
  hs_start m_portal
  check_ok "window appears over a hostile Zanto.ini" zd wait "$TITLE_MP" 1000
  zd click "$TITLE_MP" "$IDC_MAIN_OPTIONS"
  check_ok "sheet opens" zd wait "$SHEET" 15000
  # Stored numbers that are no key codes show as such; nothing is cut or overrun.
  local up
  up=$(zd gettext "$SHEET" "$IDC_CTL_P1_UP" --page 0)
  check "P1 UP from a 20-digit number" 1 "$(grep -cxE 'undef\.|failed' <<<"$up")"
  check "P1 DOWN from -5" "undef." "$(zd gettext "$SHEET" "$IDC_CTL_P1_DOWN" --page 0)"
  zd ok "$SHEET"
  check_ok "OK closes the sheet" zd gone "$SHEET" 10000
  hs_same_keys "every other key as it was" "$before" "$(hs_keys "$INI" PERIPHERAL "$HS_BINDING_KEYS")"
  local values
  values=$(hs_values "$INI" PERIPHERAL "$HS_BINDING_KEYS")
  # The second PERIPHERAL section keeps its own key; the first one gets all 22.
  check "22 binding keys written" 22 "$(cut -d= -f1 <<<"$values" | sort -u | grep -c .)"
  check "each a decimal number" 0 "$(grep -cvE '=-?[0-9]+$' <<<"$values")"
  check "P1 DEVICE from garbage is the keyboard" "PLAYER1 DEVICE=0" "$(grep '^PLAYER1 DEVICE=' <<<"$values")"
  check "P1 DOWN written back unchanged" "PLAYER1 KEYBOARD DOWN=-5" "$(grep '^PLAYER1 KEYBOARD DOWN=' <<<"$values")"
  check "exit code" 1 "$(hs_mp_exit)"
}

test_lc_hostile_ini_starts_and_ok_writes_only_peripheral() {
  mkdir -p "$SETTINGS_DIR"
  hs_hostile_ini > "$INI"
  local before
  before=$(hs_keys "$INI" PERIPHERAL "$HS_BINDING_KEYS")
  hs_start launcher
  check_ok "window appears" zd wait "$TITLE_LC" 1000
  check_ok "sheet opens and closes with OK" hs_sheet_ok "$TITLE_LC"
  hs_same_keys "every other key as it was" "$before" "$(hs_keys "$INI" PERIPHERAL "$HS_BINDING_KEYS")"
  check "each binding a decimal number" 0 "$(hs_values "$INI" PERIPHERAL "$HS_BINDING_KEYS" | grep -cvE '=-?[0-9]+$')"
  zd click "$TITLE_LC" 2
  check "exit code" 1 "$(app_exit_code)"
}

# A configuration file with a 10,000-byte login, binary bytes, duplicate
# recent lists and over-long addresses: the join writes only the recent
# addresses, and an online start whose line would not fit is refused with
# one message instead of a cut line.
test_mp_hostile_cfg_join_writes_only_recent() {
  local long
  long=$(head -c 10000 /dev/zero | tr '\0' L)
  {
    printf '[m_portal]\r\nMatchup_LoginID=%s\r\nMatchup_Password=%s\r\n' "$long" "$long"
    printf 'Matchup_Mode=99999999999\r\nno equals here\r\n'
    printf '[Recent Connection]\r\nAddr01=%s\r\nAddr02=host2\rAddr03=\x01\x02bin\nAddr04=HOST9\r\n' "$long"
    printf '[User-defined name color]\r\nColor01=%s\r\n' "$long"
    printf '[Recent Connection]\r\nAddr05=second section\r\n'
  } > "$CFG_MP"
  local before
  before=$(hs_keys "$CFG_MP" "Recent Connection" "$HS_RECENT_KEYS")
  hs_start m_portal
  check_ok "window appears over a hostile .CFG" zd wait "$TITLE_MP" 1000
  zd click "$TITLE_MP" "$IDC_MAIN_JOIN"
  check_ok "connect dialog opens" zd wait "$HS_CONNECT_MP" 15000
  local n
  n=$(zd count "$HS_CONNECT_MP" "$IDC_CONNECT_ADDRESS")
  check "recent list as stored, cut to what a value holds" 4 "$n"
  check "a long address cut to 255 bytes" 255 "$(zd item "$HS_CONNECT_MP" "$IDC_CONNECT_ADDRESS" 0 | tr -d '\n' | wc -c)"
  zd settext "$HS_CONNECT_MP" "$IDC_CONNECT_ADDRESS" "host9 and more"
  zd click "$HS_CONNECT_MP" 1
  wait_starts 1
  check "join line" "\"$HS_GAME\\Zanto.exe\" D_JOIN host9" "$(standin_cmdline 1)"
  hs_same_keys "every other key as it was" "$before" "$(hs_keys "$CFG_MP" "Recent Connection" "$HS_RECENT_KEYS")"
  local recent
  recent=$(hs_values "$CFG_MP" "Recent Connection" "$HS_RECENT_KEYS")
  check "typed form first, the old HOST9 dropped" "Addr01=host9" "$(head -1 <<<"$recent")"
  check "no value longer than a read gives" 0 "$(LC_ALL=C awk 'length($0) > 262' <<<"$recent" | grep -c .)"
  # The online match: a login cut to 255 bytes twice cannot fit a 512-byte line.
  zd post "$TITLE_MP" 0x111 "$IDC_MAIN_ONLINE" 0
  check "one failure message for a line that does not fit" "$HS_START_FAILURE" "$(zd msgbox "$TITLE_MP" 10000)"
  zd answer "$TITLE_MP" 1
  sleep 1
  check "no second message" 1 "$(zd msgbox "$TITLE_MP" 1000 >/dev/null; echo $?)"
  check "nothing started with a cut line" 1 "$(standin_count)"
}

# ---- registry values ------------------------------------------------------------

# "Install" of the wrong type, without terminator, of 259, 260 and 300 bytes:
# the window still appears and a start reports its failure once.
test_mp_install_values_of_any_type_and_length() {
  local key='HKCU\Software\Korvel\Zanto2.0'
  local a259 a260 a300
  a259=$(printf '43%.0s' $(seq 1 259))  # "CCC...", no terminator
  a260=$(printf '43%.0s' $(seq 1 260))
  a300=$(printf '43%.0s' $(seq 1 300))
  local entry kind
  for entry in "REG_BINARY:$a259" "REG_BINARY:$a260" "REG_BINARY:$a300" "REG_DWORD:12345" \
              "REG_BINARY:ffff81fe00" "REG_SZ:"; do
    kind=${entry%%:*}
    e2e_reset
    "$WINE" reg add "$key" /v Install /t "$kind" /d "${entry#*:}" /f >/dev/null 2>&1
    hs_start m_portal
    check_ok "window appears with Install as $kind of ${#entry} characters" zd wait "$TITLE_MP" 1000
    zd click "$TITLE_MP" "$IDC_MAIN_OFFLINE"
    check "$kind ${entry:0:20}: one failure message" "$HS_START_FAILURE" "$(zd msgbox "$TITLE_MP" 10000)"
    zd answer "$TITLE_MP" 1
    check_ok "window hides after it" zd hidden "$TITLE_MP" 10000
    check "$kind: nothing started" 0 "$(standin_count)"
  done
  # The type is not looked at: a folder kept as REG_EXPAND_SZ or REG_MULTI_SZ still works.
  e2e_reset
  "$WINE" reg add "$key" /v Install /t REG_EXPAND_SZ /d "$HS_GAME" /f >/dev/null 2>&1
  hs_start m_portal
  zd click "$TITLE_MP" "$IDC_MAIN_OFFLINE"
  wait_starts 1
  check "REG_EXPAND_SZ folder starts the game" "\"$HS_GAME\\Zanto.exe\" SINGLE  " "$(standin_cmdline 1)"
  e2e_reset
  "$WINE" reg add "$key" /v Install /t REG_MULTI_SZ /d "$HS_GAME\\0second" /f >/dev/null 2>&1
  hs_start m_portal
  zd click "$TITLE_MP" "$IDC_MAIN_LOBBY"
  wait_starts 1
  check "REG_MULTI_SZ: the first string" "\"$HS_GAME\\Lobby.exe\" FromLauncher  " "$(standin_cmdline 1)"
}

test_lc_install_path_values_of_any_type_and_length() {
  local key='HKCU\Software\Korvel\Zanto'
  local a300 entry kind
  a300=$(printf '43%.0s' $(seq 1 300))
  for entry in "REG_BINARY:$a300" "REG_DWORD:7"; do
    kind=${entry%%:*}
    e2e_reset
    "$WINE" reg add "$key" /v 'Install Path' /t "$kind" /d "${entry#*:}" /f >/dev/null 2>&1
    hs_start launcher
    check_ok "window appears with Install Path as $kind" zd wait "$TITLE_LC" 1000
    zd click "$TITLE_LC" "$IDC_MAIN_OFFLINE"
    check "$kind: one failure message" "$HS_START_FAILURE" "$(zd msgbox "$TITLE_LC" 10000)"
    zd answer "$TITLE_LC" 1
    check "$kind: the program ends all the same" 1 "$(app_exit_code)"
    check "$kind: nothing started" 0 "$(standin_count)"
  done
}

# ---- paths ------------------------------------------------------------------------

# An install folder and a program folder with spaces and double-byte
# characters, among them 表 and ソ whose second byte is a backslash, and
# full-width lower-case letters that the upper-cased .CFG path changes.
test_mp_paths_with_spaces_and_double_byte_characters() {
  local game_unix="$C/Program Files/ゲーム ｚａｎｔｏ/表示ソ"
  local game_win='C:\Program Files\ゲーム ｚａｎｔｏ\表示ソ'
  local app_unix="$C/ランチャー ｚ表"
  mkdir -p "$game_unix" "$app_unix"
  cp "$GAME_DIR"/*.exe "$game_unix/"
  cp "$APP_DIR/m_portal.exe" "$app_unix/"
  "$WINE" reg add 'HKCU\Software\Korvel\Zanto2.0' /v Install /d "$game_win" /f >/dev/null 2>&1
  "$WINE" reg add 'HKCU\Software\Korvel\Zanto' /v 'Install Path' /d "$game_win\\" /f >/dev/null 2>&1
  E2E_EXIT_FILE=$(mktemp)
  ( cd "$app_unix" && "$WINE" "$app_unix/m_portal.exe" >/dev/null 2>&1; echo $? > "$E2E_EXIT_FILE" ) &
  check_ok "window appears" zd wait "$TITLE_MP" 30000
  zd click "$TITLE_MP" "$IDC_MAIN_OFFLINE"
  wait_starts 1
  check "offline line with the quoted folder" "\"$game_win\\Zanto.exe\" SINGLE  " "$(standin_cmdline 1)"
  check "offline folder" "$game_win" "$(standin_folder 1)"
  zd post "$TITLE_MP" 0x111 "$IDC_MAIN_JOIN" 0
  zd wait "$HS_CONNECT_MP" 15000
  zd settext "$HS_CONNECT_MP" "$IDC_CONNECT_ADDRESS" "ホスト１"
  zd click "$HS_CONNECT_MP" 1
  wait_starts 2
  check "join line from the legacy folder" "\"$game_win\\Zanto.exe\" D_JOIN ホスト１" "$(standin_cmdline 2)"
  check "join folder" "$game_win" "$(standin_folder 2)"
  # The configuration file beside the program, whatever the case of its folder name.
  local cfg
  cfg=$(ls "$app_unix" | grep -i '^m_portal\.cfg$')
  check "configuration file beside the program" "M_PORTAL.CFG" "$cfg"
  check "recent address saved there" "ホスト１" "$(ini_value "$app_unix/M_PORTAL.CFG" "Recent Connection" Addr01)"
  check "no configuration file anywhere else" "" "$(ls "$C" | grep -i '\.cfg$')"
  tray_click "$TITLE_MP"
  zd wait "$TITLE_MP" 10000
  check "exit code" 1 "$(hs_mp_exit)"
  rm -rf "$C/Program Files/ゲーム ｚａｎｔｏ" "$app_unix"
}

# ---- files that cannot be written ------------------------------------------------

test_mp_unwritable_settings_files_and_folders() {
  hs_cleanup
  # A Zanto.ini that cannot be replaced: immutable, since the tests run as root
  # and Wine then ignores the read-only attribute (which is tried in process);
  # read-only where the file system knows no immutable files.
  mkdir -p "$SETTINGS_DIR"
  printf '[PERIPHERAL]\r\nPLAYER1 KEYBOARD UP=16\r\n[NETWORK]\r\nLog=1\r\n' > "$INI"
  local sum
  sum=$(hs_sum "$INI")
  if chattr +i "$INI" 2>/dev/null; then HS_IMMUTABLE=$INI; else chmod 444 "$INI"; fi
  hs_start m_portal
  check_ok "sheet opens" hs_open_sheet
  check "P1 UP read from the unwritable file" "Q" "$(zd gettext "$SHEET" "$IDC_CTL_P1_UP" --page 0)"
  hs_ok_fails "unwritable Zanto.ini" unwritable-ini
  check "unwritable file unchanged" "$sum" "$(hs_sum "$INI")"
  check "no copy left" "" "$(ls "$SETTINGS_DIR" | grep -v -x Zanto.ini)"
  check "exit code" 1 "$(hs_mp_exit)"
  hs_cleanup
  chmod 644 "$INI"

  # A folder where Zanto.ini and M_PORTAL.CFG should be.
  e2e_reset
  mkdir -p "$INI" "$CFG_MP"
  hs_start m_portal
  check_ok "window appears with folders for files" zd wait "$TITLE_MP" 1000
  check_ok "sheet opens" hs_open_sheet
  hs_ok_fails "folders for files" folders
  check "Zanto.ini still a folder" 1 "$([ -d "$INI" ] && echo 1)"
  zd click "$TITLE_MP" "$IDC_MAIN_JOIN"
  zd wait "$HS_CONNECT_MP" 15000
  zd settext "$HS_CONNECT_MP" "$IDC_CONNECT_ADDRESS" "host1"
  zd click "$HS_CONNECT_MP" 1
  wait_starts 1
  check "join goes on without a .CFG" "\"$HS_GAME\\Zanto.exe\" D_JOIN host1" "$(standin_cmdline 1)"
  check "M_PORTAL.CFG still a folder" 1 "$([ -d "$CFG_MP" ] && echo 1)"
  hs_cleanup
  rmdir "$INI" "$CFG_MP"

  # A file where the settings folder's parent Korvel should be: the folder cannot be made.
  e2e_reset
  local korvel
  korvel=$(dirname "$SETTINGS_DIR")
  rm -rf "$korvel"
  mkdir -p "$(dirname "$korvel")"
  printf 'not a folder' > "$korvel"
  hs_start m_portal
  check_ok "window appears" zd wait "$TITLE_MP" 1000
  check_ok "sheet opens" hs_open_sheet
  hs_ok_fails "no settings folder" no-folder
  check "the file in the way unchanged" "not a folder" "$(cat "$korvel")"
  check "exit code" 1 "$(hs_mp_exit)"
  rm -f "$korvel"
}

# ---- files that are not plain files in a writable folder --------------------------------

# A Zanto.ini that is a symbolic link is saved at its target and stays a link;
# in a settings folder where no new file can be made (immutable, as the tests
# run as root) Zanto.ini is written in place rather than not at all.
test_mp_linked_ini_and_locked_folder_are_saved() {
  hs_cleanup
  local target_dir="$C/zanto linked"
  mkdir -p "$SETTINGS_DIR" "$target_dir"
  rm -f "$INI"
  printf '[NETWORK]\r\nLog=1\r\n[GAME]\r\nScore=5\r\n' > "$target_dir/Zanto.ini"
  ln -s "$target_dir/Zanto.ini" "$INI"
  hs_start m_portal
  check_ok "sheet opens" hs_open_sheet
  zd ok "$SHEET"
  check_ok "OK through a link closes the sheet" zd gone "$SHEET" 10000
  check "Zanto.ini still a link" 1 "$([ -L "$INI" ] && echo 1)"
  check "binding keys saved at the target" 22 "$(hs_values "$target_dir/Zanto.ini" PERIPHERAL "$HS_BINDING_KEYS" | grep -c .)"
  check "the target's other keys kept" "Score=5" "$(hs_values "$target_dir/Zanto.ini" GAME Score)"
  check "no copy left" "Zanto.ini Zanto.ini" "$(ls "$target_dir" "$SETTINGS_DIR" | grep -v -e : -e '^$' | tr '\n' ' ' | sed 's/ $//')"
  check "exit code" 1 "$(hs_mp_exit)"
  rm -rf "$target_dir" "$INI"

  hs_cleanup
  printf '[NETWORK]\r\nLog=1\r\n' > "$INI"
  if ! chattr +i "$SETTINGS_DIR" 2>/dev/null; then
    echo "     skipped: no immutable folder here (needs root)"
    return
  fi
  HS_IMMUTABLE=$SETTINGS_DIR
  hs_start m_portal
  check_ok "sheet opens" hs_open_sheet
  zd ok "$SHEET"
  check_ok "OK in a locked folder closes the sheet" zd gone "$SHEET" 10000
  check "binding keys saved in place" 22 "$(hs_values "$INI" PERIPHERAL "$HS_BINDING_KEYS" | grep -c .)"
  check "other keys kept" "Log=1" "$(hs_values "$INI" NETWORK Log)"
  check "exit code" 1 "$(hs_mp_exit)"
  hs_cleanup
}

# A Zanto.ini that links to a target whose path is too long to be had is
# written in place through the link, which stays; a link to a read-only target
# is refused as a read-only Zanto.ini is, and leaves no copy on either side.
test_mp_links_whose_target_cannot_take_a_copy() {
  hs_cleanup
  local deep="$C/zanto deep" i
  for i in 1 2 3 4 5; do deep="$deep/$(printf 'p%.0s' $(seq 1 60))"; done
  mkdir -p "$SETTINGS_DIR" "$deep"
  rm -f "$INI"
  printf '[NETWORK]\r\nLog=1\r\n[GAME]\r\nScore=5\r\n' > "$deep/Zanto.ini"
  ln -s "$deep/Zanto.ini" "$INI"
  hs_start m_portal
  check_ok "sheet opens" hs_open_sheet
  zd ok "$SHEET"
  check_ok "OK through a link to a long path closes the sheet" zd gone "$SHEET" 10000
  check "Zanto.ini still a link" 1 "$([ -L "$INI" ] && echo 1)"
  check "binding keys saved at the target" 22 "$(hs_values "$deep/Zanto.ini" PERIPHERAL "$HS_BINDING_KEYS" | grep -c .)"
  check "the target's other keys kept" "Score=5" "$(hs_values "$deep/Zanto.ini" GAME Score)"
  check "no copy left" "Zanto.ini Zanto.ini" "$(ls "$deep" "$SETTINGS_DIR" | grep -v -e : -e '^$' | tr '\n' ' ' | sed 's/ $//')"
  check "exit code" 1 "$(hs_mp_exit)"
  rm -rf "$C/zanto deep" "$INI"

  hs_cleanup
  local target_dir="$C/zanto linked"
  mkdir -p "$target_dir"
  printf '[NETWORK]\r\nLog=1\r\n' > "$target_dir/Zanto.ini"
  chmod a-w "$target_dir/Zanto.ini"
  ln -s "$target_dir/Zanto.ini" "$INI"
  hs_start m_portal
  check_ok "sheet opens" hs_open_sheet
  hs_ok_fails "link to a read-only target" link-read-only
  check "the target unchanged" "$(printf '[NETWORK]\r\nLog=1\r\n' | md5sum)" "$(hs_sum "$target_dir/Zanto.ini")"
  check "no copy left" "Zanto.ini Zanto.ini" "$(ls "$target_dir" "$SETTINGS_DIR" | grep -v -e : -e '^$' | tr '\n' ' ' | sed 's/ $//')"
  check "exit code" 1 "$(hs_mp_exit)"
  rm -rf "$target_dir" "$INI"
}

# ---- a full disk --------------------------------------------------------------------

# The settings folder and a program folder on small file systems filled to
# the last block: an OK or a join must not leave a settings file cut short,
# and the OK tells the player that it could not save.
test_mp_full_disk_keeps_both_settings_files() {
  hs_cleanup
  mkdir -p "$SETTINGS_DIR"
  if ! mount -t tmpfs -o size=64k tmpfs "$SETTINGS_DIR" 2>/dev/null; then
    echo "     skipped: no small file system can be mounted here (needs root)"
    return
  fi
  hs_big_ini "$INI"
  hs_fill "$SETTINGS_DIR"
  local before sum
  before=$(hs_keys "$INI" PERIPHERAL "$HS_BINDING_KEYS")
  sum=$(hs_sum "$INI")
  hs_start m_portal
  check_ok "window appears on a full disk" zd wait "$TITLE_MP" 1000
  check_ok "sheet opens" hs_open_sheet
  zd ok "$SHEET"
  check "the player is told" "$HS_SAVE_FAILURE" "$(zd msgbox "$TITLE_MP" 10000)"
  shot hostile-full-disk
  hs_answer_failure "full disk"
  check "Zanto.ini unchanged" "$sum" "$(hs_sum "$INI")"
  check "no copy left" "Zanto.ini filler" "$(ls "$SETTINGS_DIR" | LC_ALL=C sort | tr '\n' ' ' | sed 's/ $//')"
  # With room again, a second OK on the same sheet saves everything.
  rm -f "$SETTINGS_DIR/filler"
  zd ok "$SHEET"
  check_ok "the second OK closes the sheet" zd gone "$SHEET" 10000
  check "binding keys written once there is room" 22 "$(hs_values "$INI" PERIPHERAL "$HS_BINDING_KEYS" | grep -c .)"
  hs_same_keys "and every other key kept" "$before" "$(hs_keys "$INI" PERIPHERAL "$HS_BINDING_KEYS")"
  check "exit code" 1 "$(hs_mp_exit)"
  hs_cleanup

  # The configuration file beside a program on a full disk.
  local app_unix="$C/zanto full"
  mkdir -p "$app_unix"
  mount -t tmpfs -o size=256k tmpfs "$app_unix"
  cp "$APP_DIR/m_portal.exe" "$app_unix/"
  {
    printf '[m_portal]\r\nMatchup_LoginID=player\r\n[Recent Connection]\r\n'
    local i
    for i in $(seq -w 1 16); do printf 'Addr%s=host%s.example\r\n' "$i" "$i"; done
    printf '[Other]\r\n'
    for i in $(seq -w 1 300); do printf 'Key%s=value value value value value %s\r\n' "$i" "$i"; done
  } > "$app_unix/M_PORTAL.CFG"
  hs_pad "$app_unix/M_PORTAL.CFG" 2
  hs_fill "$app_unix"
  before=$(hs_keys "$app_unix/M_PORTAL.CFG" "Recent Connection" "$HS_RECENT_KEYS")
  local old_recent new_recent
  old_recent=$(hs_values "$app_unix/M_PORTAL.CFG" "Recent Connection" "$HS_RECENT_KEYS")
  new_recent=$(printf 'Addr01=a-new-host.example\n'; for i in $(seq -w 1 15); do printf 'Addr%02d=host%s.example\n' $((10#$i + 1)) "$i"; done)
  E2E_EXIT_FILE=$(mktemp)
  ( cd "$app_unix" && "$WINE" "$app_unix/m_portal.exe" >/dev/null 2>&1; echo $? > "$E2E_EXIT_FILE" ) &
  check_ok "window appears" zd wait "$TITLE_MP" 30000
  zd click "$TITLE_MP" "$IDC_MAIN_JOIN"
  zd wait "$HS_CONNECT_MP" 15000
  zd settext "$HS_CONNECT_MP" "$IDC_CONNECT_ADDRESS" "a-new-host.example"
  zd click "$HS_CONNECT_MP" 1
  wait_starts 1
  check "join goes on" "\"$HS_GAME\\Zanto.exe\" D_JOIN a-new-host.example" "$(standin_cmdline 1)"
  hs_same_keys ".CFG not cut short" "$before" "$(hs_keys "$app_unix/M_PORTAL.CFG" "Recent Connection" "$HS_RECENT_KEYS")"
  local recent
  recent=$(hs_values "$app_unix/M_PORTAL.CFG" "Recent Connection" "$HS_RECENT_KEYS")
  check "recent list whole, old or new" 1 "$([ "$recent" == "$old_recent" ] || [ "$recent" == "$new_recent" ] && echo 1)"
  hs_cleanup
  rmdir "$app_unix" 2>/dev/null
}

# ---- a program that cannot be started -----------------------------------------------

test_mp_missing_programs_give_one_message_each() {
  mv "$GAME_DIR/Lobby.exe" "$GAME_DIR/Lobby.exe.away"
  mv "$GAME_DIR/Zanto.exe" "$GAME_DIR/Zanto.exe.away"
  hs_start m_portal
  local id
  for id in "$IDC_MAIN_OFFLINE" "$IDC_MAIN_HOST" "$IDC_MAIN_LOBBY"; do
    zd post "$TITLE_MP" 0x111 $id 0
    check "command $id: failure message" "$HS_START_FAILURE" "$(zd msgbox "$TITLE_MP" 10000)"
    zd answer "$TITLE_MP" 1
    sleep 0.5
    check "command $id: one message only" 1 "$(zd msgbox "$TITLE_MP" 500 >/dev/null; echo $?)"
  done
  check_ok "window hidden after the failed starts" zd hidden "$TITLE_MP" 10000
  check "nothing started" 0 "$(standin_count)"
  mv "$GAME_DIR/Lobby.exe.away" "$GAME_DIR/Lobby.exe"
  mv "$GAME_DIR/Zanto.exe.away" "$GAME_DIR/Zanto.exe"
}
