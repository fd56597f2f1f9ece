# Sourced first by every script that starts our programs (the Wine and
# end-to-end tier runners, demo, benchmark, screenshots): runs the calling
# script again in a network namespace of its own with only loopback up, so
# that nothing the programs send (the latency probe, the address look-up) can
# leave this machine.
if [ -z "${ZANTO_NETNS:-}" ]; then
  exec unshare -n env ZANTO_NETNS=1 bash -c 'ip link set lo up && exec bash "$0" "$@"' "$0" "$@"
fi
