# m_portal's latency field: the window shows at once with the field empty and
# the probe fills it in later, by the raw socket where that is allowed, else by
# the system's ICMP service; "-3 ミリ秒" when the server does not answer.

test_mp_latency_without_raw_sockets() {
  start_server_without_raw_sockets
  check "server without the raw-socket capability" 0 "$(server_raw_capability)"
  start_app m_portal
  zd wait "$TITLE_MP" 30000 >/dev/null
  check "measured by the ICMP service" 1 "$(mp_latency | grep -cE '^[0-9]+ ミリ秒$')"
  zd click "$TITLE_MP" 2; zd msgbox "$TITLE_MP" 10000 >/dev/null; zd answer "$TITLE_MP" 6
  check "exit code" 1 "$(app_exit_code)"
  stop_server
}

# The server never answers: the window does not wait for it, a start works
# meanwhile, and Exit during the wait ends the program at once.
test_mp_window_does_not_wait_for_the_server() {
  ignore_echoes || return
  start_app m_portal
  local first
  first=$(zd shown "$TITLE_MP" "$IDC_MAIN_LATENCY" 30000)
  check "window shown" 0 $?
  check "field empty when the window shows" "" "$first"
  shot latency_waiting
  zd click "$TITLE_MP" "$IDC_MAIN_OFFLINE"
  check_ok "a start during the wait" wait_starts 1
  check_ok "withdrawn into the tray" zd hidden "$TITLE_MP" 10000
  check "no answer in time" "-3 ミリ秒" "$(mp_latency 20)"
  tray_click "$TITLE_MP"
  zd wait "$TITLE_MP" 10000
  sleep 0.5
  shot latency_timeout
  zd click "$TITLE_MP" 2; zd msgbox "$TITLE_MP" 10000 >/dev/null; zd answer "$TITLE_MP" 6
  app_exit_code >/dev/null

  start_app m_portal
  zd shown "$TITLE_MP" "$IDC_MAIN_LATENCY" 30000 >/dev/null
  zd click "$TITLE_MP" 2
  zd msgbox "$TITLE_MP" 10000 >/dev/null
  check "the exit question came during the wait" "" "$(zd gettext "$TITLE_MP" "$IDC_MAIN_LATENCY")"
  zd answer "$TITLE_MP" 6
  check "exit during the wait: exit code" 1 "$(app_exit_code)"
  answer_echoes
}
