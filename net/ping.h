// Round-trip time to the game's online server by one ICMP echo (m_portal).
#pragma once

enum {
  PING_ERR_SOCKET = -1,
  PING_ERR_SELECT = -2,
  PING_TIMEOUT = -3,
  PING_ERR_CLOSE = -4,
  PING_ERR_RECV = -5,
};

int PingServer();
