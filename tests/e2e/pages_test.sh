# The quick messages, video, sound, folders and about pages of the options
# sheet, from outside: what OK writes into NETWORK and SYSTEM of Zanto.ini,
# that Cancel writes nothing, and the About page's dates, version and updater
# start against the stand-in game. The web buttons are never pressed here:
# they would ask the shell for a browser.

# Starts a program and opens its options sheet (on the Controls page).
pg_open() {  # m_portal|launcher
  local title=$TITLE_MP
  [ "$1" = launcher ] && title=$TITLE_LC
  start_and_wait "$1"
  zd click "$title" "$IDC_MAIN_OPTIONS"
  zd wait "$SHEET" 15000
}

# Shows page n and waits until it exists.
pg_show() {  # page id-on-that-page
  zd page "$SHEET" "$1"
  local i
  for i in $(seq 1 50); do
    zd visible "$SHEET" "$2" --page "$1" >/dev/null 2>&1 && return 0
    sleep 0.1
  done
  return 1
}

# Waits until a zdrive query on a control of page n answers the expected
# text (clicks are posted and land a moment later).
pg_is() {  # page query id expected
  local i
  for i in $(seq 1 50); do
    [ "$(zd "$2" "$SHEET" "$3" --page "$1")" == "$4" ] && return 0
    sleep 0.1
  done
  return 1
}

pg_close_with() {  # ok|cancel
  zd "$1" "$SHEET"
  zd gone "$SHEET" 10000
}

# One section of Zanto.ini, header included.
pg_section() {  # name
  file_text "$INI" | awk -v s="[$1]" '/^\[/ { on = ($0 == s) } on && NF'
}

pg_sum() { if [ -f "$1" ]; then md5sum < "$1"; else echo missing; fi; }

# Dates of the stand-in programs, set at noon so that any time zone shows the same day.
pg_date_standins() {
  touch -d "2009-02-05 12:00" "$GAME_DIR/Zanto.exe"
  touch -d "2008-12-24 12:00" "$GAME_DIR/Launcher.exe"
  touch -d "2007-03-09 12:00" "$GAME_DIR/Lobby.exe"
}

pg_undate_standins() {
  touch "$GAME_DIR/Zanto.exe" "$GAME_DIR/Launcher.exe" "$GAME_DIR/Lobby.exe"
  rm -f "$GAME_DIR/Launcher.ini"
}

# Edits on pages 2 to 5, the defaults where a page has them, then OK.
pg_edit_and_ok() {  # program
  check_ok "sheet opens" pg_open "$1"

  check_ok "quick messages page" pg_show 2 "$IDC_QMSG_F1"
  check "F1 empty on a first run" "" "$(zd gettext "$SHEET" "$IDC_QMSG_F1" --page 2)"
  zd click "$SHEET" "$IDC_QMSG_DEFAULT" --page 2
  check_ok "defaults shown" pg_is 2 gettext "$IDC_QMSG_F1" "おはようございます"
  zd settext "$SHEET" "$IDC_QMSG_F2" "gg 対戦ありがとう" --page 2
  zd settext "$SHEET" "$IDC_QMSG_F7" "" --page 2
  shot "pages_$1_quickmsg"

  check_ok "video page" pg_show 3 "$IDC_VID_RESOLUTION"
  check "15 resolutions" 15 "$(zd count "$SHEET" "$IDC_VID_RESOLUTION" --page 3)"
  check "640 by 480 chosen" 6 "$(zd getsel "$SHEET" "$IDC_VID_RESOLUTION" --page 3)"
  check "its text" " 640x 480" "$(zd item "$SHEET" "$IDC_VID_RESOLUTION" 6 --page 3)"
  check "window mode" 1 "$(zd checked "$SHEET" "$IDC_VID_WINDOW" --page 3)"
  check "position enabled" 1 "$(zd enabled "$SHEET" "$IDC_VID_POS_X" --page 3)"
  zd select "$SHEET" "$IDC_VID_RESOLUTION" 8 --page 3
  zd click "$SHEET" "$IDC_VID_DIRECTDRAW" --page 3
  check_ok "DirectDraw chosen" pg_is 3 checked "$IDC_VID_DIRECTDRAW" 1
  check "Direct3D cleared" 0 "$(zd checked "$SHEET" "$IDC_VID_DIRECT3D" --page 3)"
  zd click "$SHEET" "$IDC_VID_SHARP" --page 3
  check_ok "sharp chosen" pg_is 3 checked "$IDC_VID_SHARP" 1
  check "soft cleared" 0 "$(zd checked "$SHEET" "$IDC_VID_SOFT" --page 3)"
  zd settext "$SHEET" "$IDC_VID_POS_X" "-40" --page 3
  zd settext "$SHEET" "$IDC_VID_POS_Y" "abc" --page 3
  zd check "$SHEET" "$IDC_VID_FPS" 1 --page 3
  shot "pages_$1_video"
  zd click "$SHEET" "$IDC_VID_FULLSCREEN" --page 3
  check_ok "full screen disables the position" pg_is 3 enabled "$IDC_VID_POS_X" 0
  check "and its label" 0 "$(zd enabled "$SHEET" "$IDC_VID_POS_LABEL" --page 3)"
  check "window mode cleared" 0 "$(zd checked "$SHEET" "$IDC_VID_WINDOW" --page 3)"
  shot "pages_$1_video_fullscreen"

  check_ok "sound page" pg_show 4 "$IDC_SND_ON"
  check "sound on" 1 "$(zd checked "$SHEET" "$IDC_SND_ON" --page 4)"
  zd press "$SHEET" "$IDC_SND_OFF" --page 4
  check_ok "sound off" pg_is 4 checked "$IDC_SND_OFF" 1
  check "on cleared" 0 "$(zd checked "$SHEET" "$IDC_SND_ON" --page 4)"
  shot "pages_$1_sound"

  check_ok "folders page" pg_show 5 "$IDC_FLD_SETTINGS"
  shot "pages_$1_folder"

  check_ok "OK closes the sheet" pg_close_with ok
}

pg_check_written() {
  check "F01" "おはようございます" "$(ini_value "$INI" NETWORK ShortCutMessage_F01)"
  check "F02 as typed" "gg 対戦ありがとう" "$(ini_value "$INI" NETWORK ShortCutMessage_F02)"
  check "F03" "こんばんは" "$(ini_value "$INI" NETWORK ShortCutMessage_F03)"
  check "F06" "いっきま～す" "$(ini_value "$INI" NETWORK ShortCutMessage_F06)"
  check "F07 cleared, stored empty" "ShortCutMessage_F07=" "$(file_text "$INI" | grep '^ShortCutMessage_F07')"
  check "F08" "やった～" "$(ini_value "$INI" NETWORK ShortCutMessage_F08)"
  # The video keys in the order the game's file has them, then the sound key.
  check "SYSTEM" "[SYSTEM]
Resolution=8
ScreenMode=1
FilterMode=0
DrawMode=0
DrawBG=1
DispVersion=0
DispFPS=1
WindowPosX=-40
WindowPosY=0
SoundMode=1" "$(pg_section SYSTEM)"
}

test_mp_pages_edit_and_ok() {
  pg_edit_and_ok m_portal
  pg_check_written
}

test_lc_pages_edit_and_ok() {
  pg_edit_and_ok launcher
  pg_check_written
}

# Defaults of the video and sound pages over stored values, then OK.
test_mp_video_and_sound_defaults() {
  put_file "$INI" "[SYSTEM]
Resolution=11
DrawMode=0
DrawBG=0
FilterMode=0
ScreenMode=0
WindowPosX=100
WindowPosY=-20
DispVersion=1
DispFPS=0
SoundMode=5"
  check_ok "sheet opens" pg_open m_portal
  check_ok "video page" pg_show 3 "$IDC_VID_RESOLUTION"
  check "stored resolution" 11 "$(zd getsel "$SHEET" "$IDC_VID_RESOLUTION" --page 3)"
  check "stored position" "-20" "$(zd gettext "$SHEET" "$IDC_VID_POS_Y" --page 3)"
  zd click "$SHEET" "$IDC_VID_DEFAULT" --page 3
  check_ok "Default: full screen" pg_is 3 checked "$IDC_VID_FULLSCREEN" 1
  check "position 0" 0 "$(zd gettext "$SHEET" "$IDC_VID_POS_X" --page 3)"
  check "position disabled" 0 "$(zd enabled "$SHEET" "$IDC_VID_POS_Y" --page 3)"
  check "resolution kept" 11 "$(zd getsel "$SHEET" "$IDC_VID_RESOLUTION" --page 3)"
  check "version check kept" 1 "$(zd checked "$SHEET" "$IDC_VID_VERSION" --page 3)"
  check_ok "sound page" pg_show 4 "$IDC_SND_ON"
  check "5 is off" 1 "$(zd checked "$SHEET" "$IDC_SND_OFF" --page 4)"
  zd click "$SHEET" "$IDC_SND_DEFAULT" --page 4
  check_ok "Default: on" pg_is 4 checked "$IDC_SND_ON" 1
  check "off cleared" 0 "$(zd checked "$SHEET" "$IDC_SND_OFF" --page 4)"
  check_ok "OK closes the sheet" pg_close_with ok
  check "SYSTEM after the defaults" "[SYSTEM]
Resolution=11
DrawMode=1
DrawBG=1
FilterMode=1
ScreenMode=1
WindowPosX=0
WindowPosY=0
DispVersion=1
DispFPS=0
SoundMode=0" "$(pg_section SYSTEM)"
}

# Cancel after edits on every page writes nothing, not even page 0's keys.
pg_cancel_writes_nothing() {  # program
  put_file "$INI" "[NETWORK]
ShortCutMessage_F01=kept
[SYSTEM]
Resolution=3
SoundMode=0"
  local before
  before=$(pg_sum "$INI")
  check_ok "sheet opens" pg_open "$1"
  pg_show 2 "$IDC_QMSG_F1"
  zd click "$SHEET" "$IDC_QMSG_DEFAULT" --page 2
  check_ok "defaults shown" pg_is 2 gettext "$IDC_QMSG_F1" "おはようございます"
  pg_show 3 "$IDC_VID_RESOLUTION"
  zd click "$SHEET" "$IDC_VID_DEFAULT" --page 3
  check_ok "video defaults" pg_is 3 checked "$IDC_VID_FULLSCREEN" 1
  pg_show 4 "$IDC_SND_ON"
  zd press "$SHEET" "$IDC_SND_OFF" --page 4
  check_ok "sound off" pg_is 4 checked "$IDC_SND_OFF" 1
  pg_show 5 "$IDC_FLD_SETTINGS"
  pg_show 6 "$IDC_ABOUT_UPDATE"
  check_ok "Cancel closes the sheet" pg_close_with cancel
  check "Zanto.ini unchanged" "$before" "$(pg_sum "$INI")"
}

test_mp_cancel_writes_nothing() { pg_cancel_writes_nothing m_portal; }
test_lc_cancel_writes_nothing() { pg_cancel_writes_nothing launcher; }

# Only the Folder and About pages visited: OK writes page 0's keys and
# nothing of these pages.
test_mp_folder_and_about_write_nothing() {
  check_ok "sheet opens" pg_open m_portal
  pg_show 5 "$IDC_FLD_SETTINGS"
  pg_show 6 "$IDC_ABOUT_UPDATE"
  check_ok "OK closes the sheet" pg_close_with ok
  check "no NETWORK" 0 "$(file_text "$INI" | grep -c '^\[NETWORK\]')"
  check "no SYSTEM" 0 "$(file_text "$INI" | grep -c '^\[SYSTEM\]')"
}

test_mp_about_dates_version_and_updater() {
  pg_date_standins
  put_file "$GAME_DIR/Launcher.ini" "[LauncherDlg]
WINDOWTITLE=Zanto ランチャー ver1.05 (2009/02)"
  put_file "$CFG_MP" "[m_portal]
Matchup_LoginID=player1
Matchup_Password=pass"
  check_ok "sheet opens" pg_open m_portal
  check_ok "about page" pg_show 6 "$IDC_ABOUT_UPDATE"
  check "Zanto.exe date" "Zanto.exe (2009/02/05)" "$(zd gettext "$SHEET" "$IDC_ABOUT_ZANTO_DATE" --page 6)"
  check "Launcher.exe date" "Launcher.exe (2008/12/24)" "$(zd gettext "$SHEET" "$IDC_ABOUT_LAUNCHER_DATE" --page 6)"
  check "Lobby.exe date" "Lobby.exe (2007/03/09)" "$(zd gettext "$SHEET" "$IDC_ABOUT_LOBBY_DATE" --page 6)"
  check "installed version, cut at the space" "ver1.05" "$(zd gettext "$SHEET" "$IDC_ABOUT_VERSION" --page 6)"
  shot pages_m_portal_about
  zd click "$SHEET" "$IDC_ABOUT_UPDATE" --page 6
  check_ok "updater started" wait_starts 1
  check "updater line" "Launcher.exe FromLobby player1 pass" "$(standin_cmdline 1)"
  check "updater folder" 'C:\Program Files\Korvel\Zanto' "$(standin_folder 1)"
  check "sheet stays open" 1 "$(zd visible "$SHEET" "$IDC_ABOUT_UPDATE" --page 6)"
  check_ok "Cancel closes the sheet" pg_close_with cancel
  pg_undate_standins
}

test_mp_about_without_launcher_ini() {
  rm -f "$GAME_DIR/Launcher.ini"
  check_ok "sheet opens" pg_open m_portal
  check_ok "about page" pg_show 6 "$IDC_ABOUT_UPDATE"
  check "failure text" "取得に失敗しました" "$(zd gettext "$SHEET" "$IDC_ABOUT_VERSION" --page 6)"
  check "dates still filled" 0 "$(zd gettext "$SHEET" "$IDC_ABOUT_ZANTO_DATE" --page 6 | grep -c -- '----')"
  check_ok "Cancel closes the sheet" pg_close_with cancel
}

test_lc_about_dates_version_and_updater() {
  pg_date_standins
  put_file "$GAME_DIR/Launcher.ini" "[LauncherDlg]
WINDOWTITLE=Zanto Launcher Ver.1.05 (2009/02)"
  check_ok "sheet opens" pg_open launcher
  check_ok "about page" pg_show 6 "$IDC_ABOUT_UPDATE"
  check "Zanto.exe date" "Zanto.exe (2009/02/05)" "$(zd gettext "$SHEET" "$IDC_ABOUT_ZANTO_DATE" --page 6)"
  check "Launcher.exe date" "Launcher.exe (2008/12/24)" "$(zd gettext "$SHEET" "$IDC_ABOUT_LAUNCHER_DATE" --page 6)"
  check "Lobby.exe date" "Lobby.exe (2007/03/09)" "$(zd gettext "$SHEET" "$IDC_ABOUT_LOBBY_DATE" --page 6)"
  check "installed version, the whole rest" "Ver.1.05 (2009/02)" "$(zd gettext "$SHEET" "$IDC_ABOUT_VERSION" --page 6)"
  shot pages_launcher_about
  zd click "$SHEET" "$IDC_ABOUT_UPDATE" --page 6
  check_ok "updater started" wait_starts 1
  check "the updater" "Updater.exe" "$(standin_lines | sed -n 1p | cut -f1)"
  check "with /result" 1 "$(standin_cmdline 1 | grep -c ' /result$')"
  check_ok "Cancel closes the sheet" pg_close_with cancel
  pg_undate_standins
}
