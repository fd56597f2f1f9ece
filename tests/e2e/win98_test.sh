# launcher on a Japanese Windows 98: Wine reports that version to launcher
# alone. Only stubs of the wide functions exist there, so what shows and what
# is stored must come through the narrow ones. Wine itself keeps the wide ones
# working whatever version it reports, so this shows the narrow path end to
# end (the settings beside the game show launcher saw itself on 9x), not the
# stubs' failure.
WIN98_KEY='HKCU\Software\Wine\AppDefaults\launcher.exe'

test_win98_launcher_shows_and_stores_texts() {
  "$WINE" reg add "$WIN98_KEY" /v Version /d win98 /f >/dev/null 2>&1
  start_app launcher
  check_ok "launcher's title" zd wait "$TITLE_LC" 30000
  shot win98_launcher
  zd click "$TITLE_LC" "$IDC_MAIN_OPTIONS"
  check_ok "sheet caption" zd wait "$SHEET" 15000
  zd page "$SHEET" 5
  check "page text" "Zanto Win Official Website（KORVEL）" "$(zd gettext "$SHEET" "$IDC_FLD_WEB_TOP" --page 5)"
  zd page "$SHEET" 2
  zd settext "$SHEET" "$IDC_QMSG_F1" "表示ソフト～です" --page 2
  zd ok "$SHEET"
  zd gone "$SHEET" 10000
  # 9x keeps the settings beside the game.
  check "typed message stored as code page 932" "表示ソフト～です" \
    "$(ini_value "$GAME_DIR/Zanto.ini" NETWORK ShortCutMessage_F01)"
  zd click "$TITLE_LC" 2
  app_exit_code >/dev/null
  "$WINE" reg delete "$WIN98_KEY" /f >/dev/null 2>&1
  rm -f "$GAME_DIR/Zanto.ini"
}
