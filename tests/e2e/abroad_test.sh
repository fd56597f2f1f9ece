# A player whose Windows is set to another language: code page 1252, the
# English (US) of Wine's C.UTF-8. The texts show as under code page 932, and
# what reaches the files and the game's command line is the same bytes.
E2E_LOCALE=C.UTF-8
GAME='C:\Program Files\Korvel\Zanto'

# One key's line of a file, as its bytes in hex.
raw_line() { grep -a "^$2=" "$1" | od -An -tx1 | tr -d ' \n'; }

test_abroad_texts_and_typed_message() {
  start_app m_portal
  check_ok "m_portal's title" zd wait "$TITLE_MP" 30000
  check "main window text" "オフラインモードで開始(&F)" "$(zd gettext "$TITLE_MP" "$IDC_MAIN_OFFLINE")"
  zd click "$TITLE_MP" "$IDC_MAIN_OPTIONS"
  check_ok "sheet caption" zd wait "$SHEET" 15000
  local i names=(キーアサイン マッチアップ ショートカットメッセージ 画面・描画 サウンド ブラウズ バージョン情報)
  for i in 0 1 2 3 4 5 6; do check "tab $i" "${names[$i]}" "$(zd tab "$SHEET" $i)"; done
  zd page "$SHEET" 2
  check "page text" "デフォルト" "$(zd gettext "$SHEET" "$IDC_QMSG_DEFAULT" --page 2)"
  zd settext "$SHEET" "$IDC_QMSG_F1" "表示ソフト～です" --page 2
  shot abroad_quickmsg
  zd ok "$SHEET"
  zd gone "$SHEET" 10000
  check "typed message stored as code page 932" "表示ソフト～です" "$(ini_value "$INI" NETWORK ShortCutMessage_F01)"
  zd click "$TITLE_MP" 2
  check "exit question" $'終了した場合、Zantoとロビーが終了されます。\n本当に終了しますか？' "$(zd msgbox "$TITLE_MP" 10000)"
  zd answer "$TITLE_MP" 6
  app_exit_code >/dev/null
  start_app launcher
  check_ok "launcher's title" zd wait "$TITLE_LC" 30000
}

test_abroad_stored_values_and_command_line() {
  put_file "$INI" "[NETWORK]
ShortCutMessage_F02=ソ表能、予定"
  put_file "$CFG_MP" "[m_portal]
Matchup_LoginID=ザント表
Matchup_Password=pass"
  local message login
  message=$(raw_line "$INI" ShortCutMessage_F02)
  login=$(raw_line "$CFG_MP" Matchup_LoginID)
  start_app m_portal
  zd wait "$TITLE_MP" 30000 >/dev/null
  zd click "$TITLE_MP" "$IDC_MAIN_OPTIONS"
  zd wait "$SHEET" 15000
  zd page "$SHEET" 2
  check "value from the file shown" "ソ表能、予定" "$(zd gettext "$SHEET" "$IDC_QMSG_F2" --page 2)"
  zd ok "$SHEET"
  zd gone "$SHEET" 10000
  check "message kept byte for byte" "$message" "$(raw_line "$INI" ShortCutMessage_F02)"
  check "login kept byte for byte" "$login" "$(raw_line "$CFG_MP" Matchup_LoginID)"
  zd click "$TITLE_MP" "$IDC_MAIN_ONLINE"
  wait_starts 1
  check "online line as under code page 932" "\"$GAME\\Zanto.exe\" S_MULTI1 ザント表 pass 48 3000" \
    "$(standin_cmdline 1)"
}
