# The Controls page of the options sheet and the key assignment dialog, from
# outside: what OK writes into PERIPHERAL of Zanto.ini, the refused OK on
# clashing keys, Default, and a key assigned through the dialog. Wine has no
# game controller, so the controller radios are disabled throughout.
ASSIGN="キーの割り当て"
DUPLICATE_HEADING="以下のキー設定が重複しています。"
PAD_ERROR="ゲームコントローラの検出時にエラーが発生しました。接続およびドライバを確認してください。"

PERIPHERAL_DEFAULTS="[PERIPHERAL]
PLAYER1 DEVICE=0
PLAYER2 DEVICE=0
PLAYER1 KEYBOARD UP=200
PLAYER1 KEYBOARD DOWN=208
PLAYER1 KEYBOARD LEFT=203
PLAYER1 KEYBOARD RIGHT=205
PLAYER1 KEYBOARD FIRE1=28
PLAYER1 KEYBOARD FIRE2=44
PLAYER1 KEYBOARD FIRE3=55
PLAYER1 PAD FIRE1=8
PLAYER1 PAD FIRE2=0
PLAYER1 PAD FIRE3=1
PLAYER2 KEYBOARD UP=22
PLAYER2 KEYBOARD DOWN=36
PLAYER2 KEYBOARD LEFT=35
PLAYER2 KEYBOARD RIGHT=37
PLAYER2 KEYBOARD FIRE1=57
PLAYER2 KEYBOARD FIRE2=24
PLAYER2 KEYBOARD FIRE3=25
PLAYER2 PAD FIRE1=8
PLAYER2 PAD FIRE2=0
PLAYER2 PAD FIRE3=1"

# Starts a program and opens its options sheet on the Controls page.
controls_open() {  # m_portal|launcher
  local title=$TITLE_MP
  [ "$1" = launcher ] && title=$TITLE_LC
  start_and_wait "$1"
  zd click "$title" "$IDC_MAIN_OPTIONS"
  zd wait "$SHEET" 15000
}

# Waits until zdrive's query on a control of page 0 answers the expected
# text (posted commands land a moment later).
page_is() {  # query id expected
  local i
  for i in $(seq 1 50); do
    [ "$(zd "$1" "$SHEET" "$2" --page 0)" == "$3" ] && return 0
    sleep 0.1
  done
  return 1
}
page_text_is() { page_is gettext "$1" "$2"; }

page_texts() {  # ids...: the texts, space-separated
  local id out=()
  for id in "$@"; do out+=("$(zd gettext "$SHEET" "$id" --page 0)"); done
  echo "${out[*]}"
}

sheet_closes_with_ok() {
  zd ok "$SHEET"
  zd gone "$SHEET" 10000
}

file_sum() { if [ -f "$1" ]; then md5sum < "$1"; else echo missing; fi; }

test_mp_ok_at_once_writes_the_peripheral_keys() {
  check_ok "sheet opens" controls_open m_portal
  check "P1 buttons" "Up Down Left Right Enter Z NUM *" "$(page_texts "$IDC_CTL_P1_UP" "$IDC_CTL_P1_DOWN" "$IDC_CTL_P1_LEFT" "$IDC_CTL_P1_RIGHT" "$IDC_CTL_P1_PAUSE" "$IDC_CTL_P1_ROTL" "$IDC_CTL_P1_ROTR")"
  check "P2 buttons" "U J H K Space O P" "$(page_texts "$IDC_CTL_P2_UP" "$IDC_CTL_P2_DOWN" "$IDC_CTL_P2_LEFT" "$IDC_CTL_P2_RIGHT" "$IDC_CTL_P2_PAUSE" "$IDC_CTL_P2_ROTL" "$IDC_CTL_P2_ROTR")"
  check "no first controller" 0 "$(zd enabled "$SHEET" "$IDC_CTL_P1_PAD" --page 0)"
  check "no second controller" 0 "$(zd enabled "$SHEET" "$IDC_CTL_P2_PAD" --page 0)"
  check "P1 cannot be disabled" 0 "$(zd enabled "$SHEET" "$IDC_CTL_P1_DISABLE" --page 0)"
  check "P1 on the keyboard" 1 "$(zd checked "$SHEET" "$IDC_CTL_P1_KEYBOARD" --page 0)"
  check "P2 on the keyboard" 1 "$(zd checked "$SHEET" "$IDC_CTL_P2_KEYBOARD" --page 0)"
  shot controls_m_portal
  check_ok "OK closes the sheet" sheet_closes_with_ok
  check "only PERIPHERAL, with the defaults" "$PERIPHERAL_DEFAULTS" "$(file_text "$INI")"
}

test_mp_clash_refuses_the_ok() {
  put_file "$INI" "[PERIPHERAL]
PLAYER1 KEYBOARD DOWN=200
PLAYER2 KEYBOARD FIRE3=203"
  local before
  before=$(file_sum "$INI")
  check_ok "sheet opens" controls_open m_portal
  # Player 2 disabled still clashes.
  zd click "$SHEET" "$IDC_CTL_P2_DISABLE" --page 0
  check_ok "P2 buttons disabled" page_is enabled "$IDC_CTL_P2_ROTR" 0
  check "P2 up disabled" 0 "$(zd enabled "$SHEET" "$IDC_CTL_P2_UP" --page 0)"
  zd ok "$SHEET"
  check "duplicate message" "$DUPLICATE_HEADING

P1 DOWN - P1 UP (Up)
P1 LEFT - P2 Rot. R (Left)" "$(zd msgbox "$TITLE_MP" 10000)"
  shot controls_duplicate_m_portal
  zd answer "$TITLE_MP" 1
  sleep 1
  check_ok "sheet stays open" zd wait "$SHEET" 2000
  check "nothing written" "$before" "$(file_sum "$INI")"
  # Mended on the page, the next OK goes through.
  zd click "$SHEET" "$IDC_CTL_P1_DOWN" --page 0
  zd wait "$ASSIGN" 10000
  zd select "$ASSIGN" "$IDC_ASSIGN_LIST" 13
  zd click "$ASSIGN" 1
  check_ok "DOWN now Down" page_text_is "$IDC_CTL_P1_DOWN" "Down"
  zd click "$SHEET" "$IDC_CTL_P2_KEYBOARD" --page 0
  check_ok "P2 back on the keyboard" page_is enabled "$IDC_CTL_P2_ROTR" 1
  zd click "$SHEET" "$IDC_CTL_P2_ROTR" --page 0
  zd wait "$ASSIGN" 10000
  zd select "$ASSIGN" "$IDC_ASSIGN_LIST" 49
  zd click "$ASSIGN" 1
  check_ok "Rot. R now P" page_text_is "$IDC_CTL_P2_ROTR" "P"
  check_ok "OK closes the sheet" sheet_closes_with_ok
  check "DOWN written" 208 "$(ini_value "$INI" PERIPHERAL "PLAYER1 KEYBOARD DOWN")"
  check "Rot. R written" 25 "$(ini_value "$INI" PERIPHERAL "PLAYER2 KEYBOARD FIRE3")"
  check "P2 device" 0 "$(ini_value "$INI" PERIPHERAL "PLAYER2 DEVICE")"
}

test_mp_default_then_ok() {
  put_file "$INI" "[PERIPHERAL]
PLAYER1 PAD FIRE1=5
PLAYER2 PAD FIRE3=12
PLAYER1 KEYBOARD FIRE3=59
PLAYER1 KEYBOARD RIGHT=156
PLAYER2 KEYBOARD LEFT=-1
PLAYER2 KEYBOARD UP=2"
  check_ok "sheet opens" controls_open m_portal
  check "unknown code" "undef." "$(zd gettext "$SHEET" "$IDC_CTL_P1_ROTR" --page 0)"
  check "longest name" "NUM ENTER" "$(zd gettext "$SHEET" "$IDC_CTL_P1_RIGHT" --page 0)"
  check "stored -1" "failed" "$(zd gettext "$SHEET" "$IDC_CTL_P2_LEFT" --page 0)"
  shot controls_long_names_m_portal
  zd click "$SHEET" "$IDC_CTL_DEFAULT" --page 0
  check_ok "Rot. R on X" page_text_is "$IDC_CTL_P1_ROTR" "X"
  check "P1 buttons" "Up Down Left Right Enter Z X" "$(page_texts "$IDC_CTL_P1_UP" "$IDC_CTL_P1_DOWN" "$IDC_CTL_P1_LEFT" "$IDC_CTL_P1_RIGHT" "$IDC_CTL_P1_PAUSE" "$IDC_CTL_P1_ROTL" "$IDC_CTL_P1_ROTR")"
  check "P2 disabled" 1 "$(zd checked "$SHEET" "$IDC_CTL_P2_DISABLE" --page 0)"
  check "P2 buttons off" 0 "$(zd enabled "$SHEET" "$IDC_CTL_P2_PAUSE" --page 0)"
  check_ok "OK closes the sheet" sheet_closes_with_ok
  local expected actual key
  expected="0 2 200 208 203 205 28 44 45 5 0 1 22 36 35 37 57 24 25 8 0 12"
  actual=""
  for key in "PLAYER1 DEVICE" "PLAYER2 DEVICE" "PLAYER1 KEYBOARD UP" "PLAYER1 KEYBOARD DOWN" \
      "PLAYER1 KEYBOARD LEFT" "PLAYER1 KEYBOARD RIGHT" "PLAYER1 KEYBOARD FIRE1" "PLAYER1 KEYBOARD FIRE2" \
      "PLAYER1 KEYBOARD FIRE3" "PLAYER1 PAD FIRE1" "PLAYER1 PAD FIRE2" "PLAYER1 PAD FIRE3" \
      "PLAYER2 KEYBOARD UP" "PLAYER2 KEYBOARD DOWN" "PLAYER2 KEYBOARD LEFT" "PLAYER2 KEYBOARD RIGHT" \
      "PLAYER2 KEYBOARD FIRE1" "PLAYER2 KEYBOARD FIRE2" "PLAYER2 KEYBOARD FIRE3" "PLAYER2 PAD FIRE1" \
      "PLAYER2 PAD FIRE2" "PLAYER2 PAD FIRE3"; do
    actual="$actual $(ini_value "$INI" PERIPHERAL "$key")"
  done
  check "Default set, P2 disabled, pads kept" "$expected" "${actual# }"
}

test_mp_assign_a_key() {
  check_ok "sheet opens" controls_open m_portal
  zd click "$SHEET" "$IDC_CTL_P1_UP" --page 0
  check_ok "assignment dialog" zd wait "$ASSIGN" 10000
  check "list of keys" 70 "$(zd count "$ASSIGN" "$IDC_ASSIGN_LIST")"
  check "opens on the current key" 12 "$(zd getsel "$ASSIGN" "$IDC_ASSIGN_LIST")"
  check "list shown" 1 "$(zd visible "$ASSIGN" "$IDC_ASSIGN_LIST")"
  check "text" "新たに割り当てるキーを以下から選択してください。" "$(zd gettext "$ASSIGN" "$IDC_ASSIGN_TEXT")"
  shot assign_keyboard_m_portal
  zd dropdown "$ASSIGN" "$IDC_ASSIGN_LIST" 1
  sleep 0.5
  shot assign_keyboard_list_m_portal
  zd dropdown "$ASSIGN" "$IDC_ASSIGN_LIST" 0
  zd select "$ASSIGN" "$IDC_ASSIGN_LIST" 34
  zd click "$ASSIGN" 1
  check_ok "dialog closes" zd gone "$ASSIGN" 5000
  check_ok "UP now A" page_text_is "$IDC_CTL_P1_UP" "A"
  # Cancel keeps the binding.
  zd click "$SHEET" "$IDC_CTL_P1_DOWN" --page 0
  zd wait "$ASSIGN" 10000
  zd select "$ASSIGN" "$IDC_ASSIGN_LIST" 35
  zd click "$ASSIGN" 2
  zd gone "$ASSIGN" 5000
  check "DOWN unchanged" "Down" "$(zd gettext "$SHEET" "$IDC_CTL_P1_DOWN" --page 0)"
  check_ok "OK closes the sheet" sheet_closes_with_ok
  check "UP saved" 30 "$(ini_value "$INI" PERIPHERAL "PLAYER1 KEYBOARD UP")"
  check "DOWN saved" 208 "$(ini_value "$INI" PERIPHERAL "PLAYER1 KEYBOARD DOWN")"
}

test_mp_stored_pad_choice_without_controller() {
  put_file "$INI" "[PERIPHERAL]
PLAYER1 DEVICE=1
PLAYER1 PAD FIRE1=3"
  check_ok "sheet opens" controls_open m_portal
  check "pad radio checked" 1 "$(zd checked "$SHEET" "$IDC_CTL_P1_PAD" --page 0)"
  check "pad radio disabled" 0 "$(zd enabled "$SHEET" "$IDC_CTL_P1_PAD" --page 0)"
  check "P1 buttons" "*** *** *** *** KEY 3 KEY 0 KEY 1" "$(page_texts "$IDC_CTL_P1_UP" "$IDC_CTL_P1_DOWN" "$IDC_CTL_P1_LEFT" "$IDC_CTL_P1_RIGHT" "$IDC_CTL_P1_PAUSE" "$IDC_CTL_P1_ROTL" "$IDC_CTL_P1_ROTR")"
  check "directions off" 0 "$(zd enabled "$SHEET" "$IDC_CTL_P1_UP" --page 0)"
  shot controls_pad_m_portal
  zd click "$SHEET" "$IDC_CTL_P1_PAUSE" --page 0
  check_ok "assignment dialog" zd wait "$ASSIGN" 10000
  check "pad text" "新たに割り当てるゲームコントローラのボタンを押してください。" "$(zd gettext "$ASSIGN" "$IDC_ASSIGN_TEXT")"
  check "list hidden" 0 "$(zd visible "$ASSIGN" "$IDC_ASSIGN_LIST")"
  check "OK disabled" 0 "$(zd enabled "$ASSIGN" 1)"
  check "controller error" "$PAD_ERROR" "$(zd msgbox "$TITLE_MP" 10000)"
  shot assign_pad_error_m_portal
  zd answer "$TITLE_MP" 1
  check_ok "dialog ends with the box" zd gone "$ASSIGN" 5000
  check "binding unchanged" "KEY 3" "$(zd gettext "$SHEET" "$IDC_CTL_P1_PAUSE" --page 0)"
  check_ok "OK closes the sheet" sheet_closes_with_ok
  check "device written again" 1 "$(ini_value "$INI" PERIPHERAL "PLAYER1 DEVICE")"
  check "pad written" 3 "$(ini_value "$INI" PERIPHERAL "PLAYER1 PAD FIRE1")"
}

test_lc_controls_page() {
  put_file "$INI" "[PERIPHERAL]
PLAYER2 KEYBOARD DOWN=22"
  check_ok "sheet opens" controls_open launcher
  check "radios" "Keyboard Game Pad Disable" "$(page_texts "$IDC_CTL_P1_KEYBOARD" "$IDC_CTL_P1_PAD" "$IDC_CTL_P1_DISABLE")"
  check "captions" "Pause Rotate Left Rotate Right" "$(page_texts "$IDC_CTL_P1_PAUSE_CAPTION" "$IDC_CTL_P1_ROTL_CAPTION" "$IDC_CTL_P1_ROTR_CAPTION")"
  check "default" "Default" "$(zd gettext "$SHEET" "$IDC_CTL_DEFAULT" --page 0)"
  shot controls_launcher
  zd ok "$SHEET"
  check "duplicate message" "$DUPLICATE_HEADING

P2 DOWN - P2 UP (U)" "$(zd msgbox "$TITLE_LC" 10000)"
  zd answer "$TITLE_LC" 1
  zd click "$SHEET" "$IDC_CTL_P2_DOWN" --page 0
  check_ok "assignment dialog" zd wait "$ASSIGN" 10000
  shot assign_keyboard_launcher
  check "opens on U" 54 "$(zd getsel "$ASSIGN" "$IDC_ASSIGN_LIST")"
  zd select "$ASSIGN" "$IDC_ASSIGN_LIST" 43
  zd click "$ASSIGN" 1
  check_ok "DOWN now J" page_text_is "$IDC_CTL_P2_DOWN" "J"
  check_ok "OK closes the sheet" sheet_closes_with_ok
  check "DOWN saved" 36 "$(ini_value "$INI" PERIPHERAL "PLAYER2 KEYBOARD DOWN")"
  check "P2 device" 0 "$(ini_value "$INI" PERIPHERAL "PLAYER2 DEVICE")"
}
