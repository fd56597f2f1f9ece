#include "apps/shared/start.h"

#include "core/ui.h"

void ShowStartFailure() { ShowMessage(nullptr, "起動に失敗しました", MB_ICONERROR); }
