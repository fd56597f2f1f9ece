# The Online page of the options sheet: what m_portal's page saves is what the
# next online start hands to the game; Cancel keeps both files as they were;
# launcher's page keeps its values in NETWORK of Zanto.ini.
GAME='C:\Program Files\Korvel\Zanto'

# Retries a query until it prints the expected text (posted commands are
# handled by the program a moment later), then checks it.
check_soon() {  # description expected command...
  local d=$1 e=$2 v i
  shift 2
  for i in $(seq 1 30); do
    v=$("$@")
    [ "$v" == "$e" ] && break
    sleep 0.2
  done
  check "$d" "$e" "$v"
}

# Opens the sheet from the main window titled $1 and shows the Online page.
open_online_page() {
  zd click "$1" "$IDC_MAIN_OPTIONS"
  zd wait "$SHEET" 15000 || return 1
  zd page "$SHEET" 1
}

# Opens list $1 of the Online page, takes screenshot $2, closes the list again.
shot_list() {
  zd dropdown "$SHEET" "$1" 1 --page 1
  sleep 0.7
  shot "$2"
  zd dropdown "$SHEET" "$1" 0 --page 1
  sleep 0.3
}

test_mp_online_choices_reach_the_game() {
  start_and_wait m_portal
  zd click "$TITLE_MP" "$IDC_MAIN_OPTIONS"
  check_ok "sheet opens" zd wait "$SHEET" 15000
  sleep 0.5
  shot online_sheet_m_portal
  zd page "$SHEET" 1
  # Without any file: rate first, with the rate edit and its label.
  check_soon "matchup mode at first" 1 zd getsel "$SHEET" "$IDC_ONL_MATCHUPMODE" --page 1
  check "rate edit shown" 1 "$(zd visible "$SHEET" "$IDC_ONL_RATE" --page 1)"
  check "rate label shown" 1 "$(zd visible "$SHEET" "$IDC_ONL_RATELABEL" --page 1)"
  check "ping edit hidden" 0 "$(zd visible "$SHEET" "$IDC_ONL_PING" --page 1)"
  check "rate" 3000 "$(zd gettext "$SHEET" "$IDC_ONL_RATE" --page 1)"
  check "chat lines" 4 "$(zd gettext "$SHEET" "$IDC_ONL_CHATLINES" --page 1)"
  sleep 0.3
  shot online_page_m_portal
  shot_list "$IDC_ONL_MATCHUPMODE" online_list_matchup_mode
  shot_list "$IDC_ONL_MATCHUPRULE" online_list_matchup_rule
  shot_list "$IDC_ONL_SPECMODE" online_list_spectator_mode
  shot_list "$IDC_ONL_SPECRULE" online_list_spectator_rule

  zd select "$SHEET" "$IDC_ONL_MATCHUPMODE" 2 --page 1
  check "the list shows the choice" "接続速度 優先" "$(zd item "$SHEET" "$IDC_ONL_MATCHUPMODE" 2 --page 1)"
  check_soon "ping edit shown for connection speed" 1 zd visible "$SHEET" "$IDC_ONL_PING" --page 1
  check "ms label shown" 1 "$(zd visible "$SHEET" "$IDC_ONL_PINGLABEL" --page 1)"
  check "rate edit hidden" 0 "$(zd visible "$SHEET" "$IDC_ONL_RATE" --page 1)"
  zd settext "$SHEET" "$IDC_ONL_PING" "150" --page 1
  zd settext "$SHEET" "$IDC_ONL_LOGINID" "プレイヤー" --page 1
  zd settext "$SHEET" "$IDC_ONL_PASSWORD" "pass1" --page 1
  zd select "$SHEET" "$IDC_ONL_SPECMODE" 3 --page 1
  check_soon "range shown for rate range" 1 zd visible "$SHEET" "$IDC_ONL_RATEMAX" --page 1
  sleep 0.3
  shot online_page_m_portal_edited
  zd select "$SHEET" "$IDC_ONL_SPECMODE" 0 --page 1
  check_soon "range hidden again" 0 zd visible "$SHEET" "$IDC_ONL_RATEMAX" --page 1
  zd ok "$SHEET"
  check_ok "sheet closes on OK" zd gone "$SHEET" 10000

  check "mode saved" 2 "$(ini_value "$CFG_MP" m_portal Matchup_Mode)"
  check "ping saved" 150 "$(ini_value "$CFG_MP" m_portal Matchup_Ping)"
  check "login saved" "プレイヤー" "$(ini_value "$CFG_MP" m_portal Matchup_LoginID)"
  check "colour saved" 0x00404040 "$(ini_value "$INI" NETWORK Matchup_Color)"

  zd click "$TITLE_MP" "$IDC_MAIN_ONLINE"
  check_ok "game started" wait_starts 1
  # Flags 32: connection speed first (bits 4-5 = 2), blaze rules, beginner spectating.
  check "online line" "\"$GAME\\Zanto.exe\" S_MULTI1 プレイヤー pass1 32 150" "$(standin_cmdline 1)"
}

test_mp_cancel_changes_no_file() {
  put_file "$INI" "[NETWORK]
Log=1
ChatLines=7
Matchup_Color=0x00102030"
  put_file "$CFG_MP" "[m_portal]
Matchup_LoginID=old
Matchup_Mode=0"
  local before_ini before_cfg
  before_ini=$(mktemp); before_cfg=$(mktemp)
  cp "$INI" "$before_ini"; cp "$CFG_MP" "$before_cfg"
  start_and_wait m_portal
  check_ok "Online page opens" open_online_page "$TITLE_MP"
  check_soon "login loaded" old zd gettext "$SHEET" "$IDC_ONL_LOGINID" --page 1
  check "random matchup loaded" 0 "$(zd getsel "$SHEET" "$IDC_ONL_MATCHUPMODE" --page 1)"
  check "no rate edit for random" 0 "$(zd visible "$SHEET" "$IDC_ONL_RATE" --page 1)"
  check "no ping edit for random" 0 "$(zd visible "$SHEET" "$IDC_ONL_PING" --page 1)"
  check "log loaded" 1 "$(zd checked "$SHEET" "$IDC_ONL_LOG" --page 1)"
  check "chat lines loaded" 7 "$(zd gettext "$SHEET" "$IDC_ONL_CHATLINES" --page 1)"
  zd settext "$SHEET" "$IDC_ONL_LOGINID" "new" --page 1
  zd select "$SHEET" "$IDC_ONL_MATCHUPMODE" 1 --page 1
  zd click "$SHEET" "$IDC_ONL_DEFAULT" --page 1
  check_soon "default button: three lines" 3 zd gettext "$SHEET" "$IDC_ONL_CHATLINES" --page 1
  check "default button: log cleared" 0 "$(zd checked "$SHEET" "$IDC_ONL_LOG" --page 1)"
  check "default button keeps the login" new "$(zd gettext "$SHEET" "$IDC_ONL_LOGINID" --page 1)"
  zd cancel "$SHEET"
  check_ok "sheet closes on Cancel" zd gone "$SHEET" 10000
  check_ok "Zanto.ini unchanged" cmp -s "$INI" "$before_ini"
  check_ok "configuration unchanged" cmp -s "$CFG_MP" "$before_cfg"
  # Opened again, the page shows the stored values.
  check_ok "Online page opens again" open_online_page "$TITLE_MP"
  check_soon "login still the stored one" old zd gettext "$SHEET" "$IDC_ONL_LOGINID" --page 1
  zd cancel "$SHEET"
  zd gone "$SHEET" 10000
  rm -f "$before_ini" "$before_cfg"
}

test_mp_ok_without_the_online_page_keeps_its_keys() {
  put_file "$CFG_MP" "[m_portal]
Matchup_LoginID=someone"
  local before_cfg
  before_cfg=$(mktemp)
  cp "$CFG_MP" "$before_cfg"
  start_and_wait m_portal
  zd click "$TITLE_MP" "$IDC_MAIN_OPTIONS"
  check_ok "sheet opens" zd wait "$SHEET" 15000
  zd ok "$SHEET"
  check_ok "sheet closes" zd gone "$SHEET" 10000
  check_ok "configuration unchanged" cmp -s "$CFG_MP" "$before_cfg"
  check "no NETWORK key written" "" "$(ini_value "$INI" NETWORK ChatLines)$(ini_value "$INI" NETWORK Matchup_Color)"
  rm -f "$before_cfg"
}

test_lc_online_page_saves_network_keys() {
  start_and_wait launcher
  zd click "$TITLE_LC" "$IDC_MAIN_OPTIONS"
  check_ok "sheet opens" zd wait "$SHEET" 15000
  sleep 0.5
  shot online_sheet_launcher
  zd page "$SHEET" 1
  check_soon "chat lines at first" 4 zd gettext "$SHEET" "$IDC_ONL_CHATLINES" --page 1
  sleep 0.3
  shot online_page_launcher
  zd settext "$SHEET" "$IDC_ONL_LOGINID" "handle" --page 1
  zd check "$SHEET" 7005 1 --page 1
  zd check "$SHEET" "$IDC_ONL_SPECTATOR" 1 --page 1
  zd settext "$SHEET" "$IDC_ONL_CHATLINES" "12" --page 1
  zd ok "$SHEET"
  check_ok "sheet closes on OK" zd gone "$SHEET" 10000
  check "handle name" handle "$(ini_value "$INI" NETWORK Matchup_HandleName)"
  check "remember ID" 1 "$(ini_value "$INI" NETWORK HandleSave)"
  check "spectator mode" 1 "$(ini_value "$INI" NETWORK Spectator)"
  check "chat lines" 12 "$(ini_value "$INI" NETWORK ChatLines)"
  check "colour" 0x00404040 "$(ini_value "$INI" NETWORK Matchup_Color)"
  check "replays" 0 "$(ini_value "$INI" NETWORK ReplayAutoSave)"
  check "log" 0 "$(ini_value "$INI" NETWORK Log)"
  check "disconnection rate" 0 "$(ini_value "$INI" NETWORK NetErrorDisp)"
  check "no configuration file" "(missing)" "$(file_text "$CFG_LC")"
  check_ok "main window still there" zd wait "$TITLE_LC" 5000
}
