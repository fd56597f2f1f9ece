# Joining a direct match: the connect dialog over the main window, the
# address handed to the game, and the recent list in the program's .CFG.
GAME='C:\Program Files\Korvel\Zanto'
CONNECT_MP="サーバへ接続"
CONNECT_LC="Connect to server"
ADDRESS_LINE='^(\(unknown\)|[0-9]+\.[0-9]+\.[0-9]+\.[0-9]+( \(local\))?)$'

connect_mp_start() {
  start_and_wait m_portal
}

connect_lc_start() {
  start_and_wait launcher
}

connect_mp_exit() {
  tray_click "$TITLE_MP"
  zd wait "$TITLE_MP" 10000
  zd click "$TITLE_MP" 2; zd msgbox "$TITLE_MP" 10000 >/dev/null; zd answer "$TITLE_MP" 6
  app_exit_code >/dev/null
}

# Opens the connect dialog from the main window titled $1 and waits for it ($2).
open_connect() {
  zd click "$1" "$IDC_MAIN_JOIN"
  zd wait "$2" 15000
}

test_mp_address_latency_and_join() {
  connect_mp_start
  local address latency
  address=$(zd gettext "$TITLE_MP" "$IDC_MAIN_ADDRESS")
  latency=$(mp_latency)
  echo "     address [$address], latency [$latency]"
  check "own address line" 1 "$(grep -cE "$ADDRESS_LINE" <<<"$address")"
  # The loopback server answers: a measured time, not a failure code.
  check "latency in milliseconds" 1 "$(grep -cE '^[0-9]+ ミリ秒$' <<<"$latency")"
  check_ok "connect dialog opens" open_connect "$TITLE_MP" "$CONNECT_MP"
  check "list empty without a .CFG" 0 "$(zd count "$CONNECT_MP" "$IDC_CONNECT_ADDRESS")"
  shot connect_m_portal
  zd settext "$CONNECT_MP" "$IDC_CONNECT_ADDRESS" "host1 extra"
  zd click "$CONNECT_MP" 1
  wait_starts 1
  check "join line" "\"$GAME\\Zanto.exe\" D_JOIN host1" "$(standin_cmdline 1)"
  check "join folder" "$GAME" "$(standin_folder 1)"
  check "saved as the most recent" "host1" "$(ini_value "$CFG_MP" "Recent Connection" Addr01)"
  check "nothing else saved" "" "$(ini_value "$CFG_MP" "Recent Connection" Addr02)"
  check_ok "dialog gone" zd gone "$CONNECT_MP" 5000
  check_ok "main window hides after the start" zd hidden "$TITLE_MP" 10000
  connect_mp_exit
}

test_mp_recent_list_and_empty_address() {
  put_file "$CFG_MP" "[Recent Connection]
Addr01=192.0.2.10
Addr02=game-host.example
Addr03=サーバ１
Addr04=HOST1
Addr06=after-gap"
  connect_mp_start
  open_connect "$TITLE_MP" "$CONNECT_MP"
  check "entries up to the gap" 4 "$(zd count "$CONNECT_MP" "$IDC_CONNECT_ADDRESS")"
  check "first entry" "192.0.2.10" "$(zd item "$CONNECT_MP" "$IDC_CONNECT_ADDRESS" 0)"
  check "double-byte entry" "サーバ１" "$(zd item "$CONNECT_MP" "$IDC_CONNECT_ADDRESS" 2)"
  # Chosen again in other letter case: the typed form goes first, the old one is dropped.
  zd settext "$CONNECT_MP" "$IDC_CONNECT_ADDRESS" "host1"
  zd click "$CONNECT_MP" 1
  wait_starts 1
  check "join line" "\"$GAME\\Zanto.exe\" D_JOIN host1" "$(standin_cmdline 1)"
  check "Addr01" "host1" "$(ini_value "$CFG_MP" "Recent Connection" Addr01)"
  check "Addr02" "192.0.2.10" "$(ini_value "$CFG_MP" "Recent Connection" Addr02)"
  check "Addr04" "サーバ１" "$(ini_value "$CFG_MP" "Recent Connection" Addr04)"
  check "key after the gap kept" "after-gap" "$(ini_value "$CFG_MP" "Recent Connection" Addr06)"
  check "no Addr05 written" "" "$(ini_value "$CFG_MP" "Recent Connection" Addr05)"
  local before
  before=$(file_text "$CFG_MP")
  # From the tray menu while hidden: an empty address searches the local network.
  zd post "$TITLE_MP" 0x111 "$IDC_MAIN_JOIN" 0
  zd wait "$CONNECT_MP" 15000
  zd click "$CONNECT_MP" 1
  wait_starts 2
  check "empty join line" "\"$GAME\\Zanto.exe\" D_JOIN " "$(standin_cmdline 2)"
  check "nothing saved for an empty address" "$before" "$(file_text "$CFG_MP")"
  connect_mp_exit
}

test_mp_cancel_and_close_start_nothing() {
  local n list="[Recent Connection]"
  for n in $(seq -w 1 17); do list="$list
Addr$n=host$n.example"; done
  put_file "$CFG_MP" "$list"
  local before
  before=$(file_text "$CFG_MP")
  connect_mp_start
  open_connect "$TITLE_MP" "$CONNECT_MP"
  check "sixteen entries listed" 16 "$(zd count "$CONNECT_MP" "$IDC_CONNECT_ADDRESS")"
  check "last entry" "host16.example" "$(zd item "$CONNECT_MP" "$IDC_CONNECT_ADDRESS" 15)"
  zd dropdown "$CONNECT_MP" "$IDC_CONNECT_ADDRESS" 1
  sleep 1
  shot connect_m_portal_list
  zd dropdown "$CONNECT_MP" "$IDC_CONNECT_ADDRESS" 0
  zd settext "$CONNECT_MP" "$IDC_CONNECT_ADDRESS" "other"
  zd click "$CONNECT_MP" 2
  check_ok "dialog gone after cancel" zd gone "$CONNECT_MP" 5000
  open_connect "$TITLE_MP" "$CONNECT_MP"
  zd settext "$CONNECT_MP" "$IDC_CONNECT_ADDRESS" "other"
  zd post "$CONNECT_MP" 0x10 0 0   # WM_CLOSE
  check_ok "dialog gone after close" zd gone "$CONNECT_MP" 5000
  sleep 1
  check "nothing started" 0 "$(standin_count)"
  check_ok "main window still shown" zd wait "$TITLE_MP" 2000
  check "file unchanged" "$before" "$(file_text "$CFG_MP")"
  connect_mp_exit
}

test_lc_join_through_the_shell() {
  put_file "$CFG_LC" "[Recent Connection]
Addr01=first
Addr02=second"
  connect_lc_start
  check "own address line" 1 "$(grep -cE "$ADDRESS_LINE" <<<"$(zd gettext "$TITLE_LC" "$IDC_MAIN_ADDRESS")")"
  check_ok "connect dialog opens" open_connect "$TITLE_LC" "$CONNECT_LC"
  shot connect_launcher
  zd dropdown "$CONNECT_LC" "$IDC_CONNECT_ADDRESS" 1
  sleep 1
  shot connect_launcher_list
  zd dropdown "$CONNECT_LC" "$IDC_CONNECT_ADDRESS" 0
  zd settext "$CONNECT_LC" "$IDC_CONNECT_ADDRESS" "host1 extra"
  zd click "$CONNECT_LC" 1
  check "launcher ends after the start" 1 "$(app_exit_code)"
  wait_starts 1
  check "shell start to join" "\"$GAME\\Zanto.exe\" D_JOIN host1" "$(standin_cmdline 1)"
  check "Addr01" "host1" "$(ini_value "$CFG_LC" "Recent Connection" Addr01)"
  check "Addr02" "first" "$(ini_value "$CFG_LC" "Recent Connection" Addr02)"
  check "Addr03" "second" "$(ini_value "$CFG_LC" "Recent Connection" Addr03)"
}

test_lc_cancel_keeps_the_window() {
  connect_lc_start
  open_connect "$TITLE_LC" "$CONNECT_LC"
  zd settext "$CONNECT_LC" "$IDC_CONNECT_ADDRESS" "host1"
  zd click "$CONNECT_LC" 2
  check_ok "dialog gone" zd gone "$CONNECT_LC" 5000
  sleep 1
  check "still running" "" "$(cat "$E2E_EXIT_FILE")"
  check_ok "main window stays" zd wait "$TITLE_LC" 2000
  check "nothing started" 0 "$(standin_count)"
  check "no .CFG written" "(missing)" "$(file_text "$CFG_LC")"
  zd click "$TITLE_LC" 2
  app_exit_code >/dev/null
}
