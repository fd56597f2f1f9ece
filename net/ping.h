// Round-trip time to the game's online server by one ICMP echo (m_portal).
#pragma once

enum {
  PING_ERR_SOCKET = -1,  // the raw ICMP socket cannot be created
  PING_ERR_SELECT = -2,  // the wait failed
  PING_TIMEOUT = -3,     // no reply to this request within 5 seconds of the send
  PING_ERR_CLOSE = -4,   // closing the socket failed (replaces any measurement)
  PING_ERR_RECV = -5,    // the socket was readable but the receive failed
};

// Milliseconds (0 or more) or one of the codes above. Blocks for at most about
// 5 seconds; needs Windows Sockets started.
int PingServer();
