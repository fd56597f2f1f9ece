# The main windows: starts with their exact command lines, the tray, the
# single instance and the exit question (m_portal); shell starts (launcher).
GAME='C:\Program Files\Korvel\Zanto'

mp_start_and_wait() {
  start_and_wait m_portal
}

test_mp_offline_start_hides_to_tray_and_comes_back() {
  mp_start_and_wait
  check "latency field shows milliseconds" 1 "$(mp_latency | grep -c ' ミリ秒$')"
  sleep 0.5  # the field's new text may not have drawn yet
  shot main_m_portal
  zd click "$TITLE_MP" "$IDC_MAIN_OFFLINE"
  wait_starts 1
  check "offline line" "\"$GAME\\Zanto.exe\" SINGLE  " "$(standin_cmdline 1)"
  check "offline folder" "$GAME" "$(standin_folder 1)"
  check_ok "window hidden after the start" zd hidden "$TITLE_MP" 10000
  # Left button on the tray icon (callback WM_USER, icon 121, WM_LBUTTONDOWN).
  tray_click "$TITLE_MP"
  check_ok "window back after the tray click" zd wait "$TITLE_MP" 10000
  # A message for another icon id does nothing.
  tray_click "$TITLE_MP" 5
  zd click "$TITLE_MP" 2
  zd msgbox "$TITLE_MP" 10000 >/dev/null
  zd answer "$TITLE_MP" 6
  check "exit code after Yes" 1 "$(app_exit_code)"
}

test_mp_online_host_and_lobby_lines() {
  put_file "$CFG_MP" "[m_portal]
Matchup_LoginID=player1
Matchup_Password=pass
Matchup_Mode=2
Matchup_Rule=1
Spectator_Mode=3
Spectator_Rule=1
Matchup_Ping=150"
  mp_start_and_wait
  zd click "$TITLE_MP" "$IDC_MAIN_ONLINE"
  wait_starts 1
  check "online line" "\"$GAME\\Zanto.exe\" S_MULTI1 player1 pass 47 150 2000 4000" "$(standin_cmdline 1)"
  zd hidden "$TITLE_MP" 10000
  # From the tray menu's commands while hidden: host and lobby; the window stays hidden.
  zd post "$TITLE_MP" 0x111 "$IDC_MAIN_HOST" 0
  wait_starts 2
  check "host line" "\"$GAME\\Zanto.exe\" D_HOST" "$(standin_cmdline 2)"
  check "host folder (the legacy folder, as the child sees it)" "$GAME" "$(standin_folder 2)"
  zd post "$TITLE_MP" 0x111 "$IDC_MAIN_LOBBY" 0
  wait_starts 3
  check "lobby line" "\"$GAME\\Lobby.exe\" FromLauncher player1 pass" "$(standin_cmdline 3)"
  check_ok "still hidden after starts from the tray" zd hidden "$TITLE_MP" 2000
  tray_click "$TITLE_MP"
  zd wait "$TITLE_MP" 10000
  zd click "$TITLE_MP" 2; zd msgbox "$TITLE_MP" 10000 >/dev/null; zd answer "$TITLE_MP" 6
  app_exit_code >/dev/null
}

test_mp_online_without_configuration() {
  mp_start_and_wait
  zd click "$TITLE_MP" "$IDC_MAIN_ONLINE"
  wait_starts 1
  check "defaults: flags 48 and rate 3000" "\"$GAME\\Zanto.exe\" S_MULTI1   48 3000" "$(standin_cmdline 1)"
}

test_mp_second_start_hands_over() {
  mp_start_and_wait
  local first_exit=$E2E_EXIT_FILE
  zd click "$TITLE_MP" "$IDC_MAIN_OFFLINE"
  zd hidden "$TITLE_MP" 10000
  start_app m_portal
  check "second instance exits with 2" 2 "$(app_exit_code)"
  check_ok "first window shown again" zd wait "$TITLE_MP" 10000
  E2E_EXIT_FILE=$first_exit
  zd click "$TITLE_MP" 2; zd msgbox "$TITLE_MP" 10000 >/dev/null; zd answer "$TITLE_MP" 6
  check "first instance exits with 1" 1 "$(app_exit_code)"
}

# Two starts in the same instant (a double click seen twice), several times
# over: one ends with 2 at once, the other runs with the one main window.
test_mp_two_starts_at_once_give_one_instance() {
  local try out=$E2E_ROOT/twostarts.txt
  for try in 1 2 3 4 5; do
    # Into a file, not a pipe: the survivor would hold a pipe open.
    "$WINE" "$APP_DIR/zdrive.exe" twostarts 'C:\zanto\m_portal.exe' >"$out" 2>/dev/null </dev/null
    check "try $try: one start hands over, the other runs" "2 running" "$(tr -d '\r' <"$out")"
    check_ok "try $try: the window shows" zd wait "$TITLE_MP" 30000
    sleep 1
    check "try $try: one main window" 1 "$(zd windows "$TITLE_MP")"
    [ "$try" = 1 ] && shot two_starts_one_window
    zd click "$TITLE_MP" 2; zd msgbox "$TITLE_MP" 10000 >/dev/null; zd answer "$TITLE_MP" 6
    check_ok "try $try: the survivor ends on Yes" zd gone "$TITLE_MP" 10000
  done
}

test_mp_exit_question() {
  mp_start_and_wait
  zd click "$TITLE_MP" 2
  check "exit question" "終了した場合、Zantoとロビーが終了されます。
本当に終了しますか？" "$(zd msgbox "$TITLE_MP" 10000)"
  shot exit_question
  zd answer "$TITLE_MP" 7
  sleep 1
  check "No keeps it running" "" "$(cat "$E2E_EXIT_FILE")"
  check_ok "window still shown" zd wait "$TITLE_MP" 5000
  # WM_CLOSE asks too.
  zd post "$TITLE_MP" 0x10 0 0
  zd msgbox "$TITLE_MP" 10000 >/dev/null
  zd answer "$TITLE_MP" 6
  check "Yes ends it with 1" 1 "$(app_exit_code)"
}

test_mp_minimize_goes_to_tray_and_menu_shows() {
  mp_start_and_wait
  zd post "$TITLE_MP" 0x112 0xF020 0   # WM_SYSCOMMAND SC_MINIMIZE
  check_ok "minimize hides the window" zd hidden "$TITLE_MP" 10000
  tray_menu "$TITLE_MP" 400 500
  sleep 2
  shot tray_menu
  zd post "$TITLE_MP" 0x1F 0 0          # WM_CANCELMODE closes the menu
  zd post "$TITLE_MP" 0x8000 0 0        # handover message shows the window
  check_ok "WM_APP shows the window" zd wait "$TITLE_MP" 10000
  zd click "$TITLE_MP" 2; zd msgbox "$TITLE_MP" 10000 >/dev/null; zd answer "$TITLE_MP" 6
  app_exit_code >/dev/null
}

test_mp_failed_start_shows_one_message_and_still_hides() {
  "$WINE" reg add 'HKCU\Software\Korvel\Zanto2.0' /v Install /d 'C:\missing folder' /f >/dev/null 2>&1
  mp_start_and_wait
  zd click "$TITLE_MP" "$IDC_MAIN_OFFLINE"
  check "failure message" "起動に失敗しました" "$(zd msgbox "$TITLE_MP" 10000)"
  shot start_failure
  zd answer "$TITLE_MP" 1
  check_ok "window hides after the failure" zd hidden "$TITLE_MP" 10000
  sleep 1
  check "no second message" 1 "$(zd msgbox "$TITLE_MP" 1000 >/dev/null; echo $?)"
}

# Enter with the focus in the own-address field presses the default button
# 1001: the dialog manager's question for it (DM_GETDEFID, 0x400 like the
# tray callback) gets the platform's answer in both programs.
test_enter_in_a_field_presses_the_default_button() {
  mp_start_and_wait
  check "m_portal's default button" 0x534B03E9 "$(zd send "$TITLE_MP" 0x400 0 0)"
  zd key "$TITLE_MP" "$IDC_MAIN_ADDRESS" 0x0D
  wait_starts 1
  check "m_portal starts offline" "\"$GAME\\Zanto.exe\" SINGLE  " "$(standin_cmdline 1)"
  check_ok "m_portal hides to the tray" zd hidden "$TITLE_MP" 10000
  local started; started=$(standin_count)
  lc_start_and_wait
  check "launcher's default button" 0x534B03E9 "$(zd send "$TITLE_LC" 0x400 0 0)"
  zd key "$TITLE_LC" "$IDC_MAIN_ADDRESS" 0x0D
  check "launcher ends after the start" 1 "$(app_exit_code)"
  wait_starts $((started + 1))
  check "launcher starts offline" "\"$GAME\\Zanto.exe\" SINGLE" "$(standin_cmdline $((started + 1)))"
}

lc_start_and_wait() {
  start_and_wait launcher
}

test_lc_starts_through_the_shell_and_ends() {
  lc_start_and_wait
  shot main_launcher
  zd click "$TITLE_LC" "$IDC_MAIN_ONLINE"
  check "launcher ends after the start" 1 "$(app_exit_code)"
  wait_starts 1
  check "shell start of the game" "\"$GAME\\Zanto.exe\" S_MULTI1" "$(standin_cmdline 1)"
  check "folder" "$GAME" "$(standin_folder 1)"
  lc_start_and_wait
  zd click "$TITLE_LC" "$IDC_MAIN_LOBBY"
  app_exit_code >/dev/null
  wait_starts 2
  check "shell start of the lobby" "\"$GAME\\Lobby.exe\" Zanto_ExecFromLauncher" "$(standin_cmdline 2)"
  lc_start_and_wait
  zd click "$TITLE_LC" "$IDC_MAIN_HOST"
  app_exit_code >/dev/null
  wait_starts 3
  check "shell start to host" "\"$GAME\\Zanto.exe\" D_HOST" "$(standin_cmdline 3)"
}

test_lc_exit_asks_nothing() {
  lc_start_and_wait
  zd click "$TITLE_LC" 2
  check "exit code" 1 "$(app_exit_code)"
  check "nothing started" 0 "$(standin_count)"
}
