// The Windows 95/98/Me family: platform id 1, major version at most 4, minor at most 90.
#pragma once
bool IsWin9xVersion(unsigned long platformId, unsigned long major, unsigned long minor);
bool IsWin9xPlatform();
