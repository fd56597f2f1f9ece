// Sound page (dialog 107): music and sound effects on or off.
#pragma once
#define IDC_SND_ON 1030
#define IDC_SND_OFF 1031
#define IDC_SND_DEFAULT 1027
