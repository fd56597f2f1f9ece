# DLLs planted beside the programs: stand-ins named after Windows' own DLLs lie
# in the programs' folder, and Wine is told to prefer a DLL found there (as
# Windows does for any DLL that is not one of its known DLLs). The programs
# must work and load none of them: each stand-in records its load in
# planted-dll.log beside it.
PLANTED_DLLS="comctl32,winmm,comdlg32,shell32,wsock32,iphlpapi,icmp,oleacc"
COLOR_DIALOG="色"  # the colour dialog's caption in Wine's Japanese

plant() {
  PLANT_DIR="$C/planted"
  rm -rf "$PLANT_DIR"
  mkdir -p "$PLANT_DIR"
  cp "$ZANTO_BIN"/m_portal.exe "$ZANTO_BIN"/launcher.exe "$ZANTO_BIN"/standin_dlls/*.dll "$PLANT_DIR/"
}

start_planted() {  # m_portal|launcher
  E2E_EXIT_FILE=$(mktemp)
  ( cd "$PLANT_DIR" && WINEDLLOVERRIDES="$WINEDLLOVERRIDES;$PLANTED_DLLS=n,b" "$WINE" "$PLANT_DIR/$1.exe" \
      >/dev/null 2>&1; echo $? > "$E2E_EXIT_FILE" ) &
}

planted_loads() { if [ -f "$PLANT_DIR/planted-dll.log" ]; then tr -d '\r' < "$PLANT_DIR/planted-dll.log"; fi; }

# From the main window titled $1: the Controls page, whose binding buttons are
# named for screen readers (oleacc), with a key assignment (winmm), the name
# colour chooser (comdlg32), then back to the main window.
sheet_with_planted_dlls() {  # title
  zd click "$1" "$IDC_MAIN_OPTIONS"
  check_ok "sheet opens" zd wait "$SHEET" 15000
  zd click "$SHEET" "$IDC_CTL_P1_UP" --page 0
  check_ok "assignment dialog opens" zd wait "キーの割り当て" 10000
  zd click "キーの割り当て" 2
  zd page "$SHEET" 1
  zd click "$SHEET" 3076 --page 1
  check_ok "colour chooser opens" zd wait "$COLOR_DIALOG" 10000
  zd click "$COLOR_DIALOG" 2
  zd gone "$COLOR_DIALOG" 10000
  zd cancel "$SHEET"
  zd gone "$SHEET" 10000
}

# Without raw sockets the latency probe loads the system's ICMP service
# (iphlpapi, icmp).
test_mp_loads_no_planted_dll() {
  plant
  start_server_without_raw_sockets
  start_planted m_portal
  check_ok "main window" zd wait "$TITLE_MP" 30000
  check "latency measured" 1 "$(mp_latency | grep -cE '^[0-9]+ ミリ秒$')"
  sheet_with_planted_dlls "$TITLE_MP"
  zd post "$TITLE_MP" 0x112 0xF020 0   # minimize: to the tray (shell32)
  check_ok "in the tray" zd hidden "$TITLE_MP" 10000
  check "no planted DLL loaded" "" "$(planted_loads)"
  stop_server
}

test_lc_loads_no_planted_dll() {
  plant
  start_planted launcher
  check_ok "main window" zd wait "$TITLE_LC" 30000
  sheet_with_planted_dlls "$TITLE_LC"
  zd click "$TITLE_LC" "$IDC_MAIN_LOBBY"            # the lobby, through the shell
  check_ok "lobby started" wait_starts 1
  check "no planted DLL loaded" "" "$(planted_loads)"
}
