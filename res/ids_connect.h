#pragma once
#define IDD_CONNECT 102
