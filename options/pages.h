// The seven pages' handlers, in page order. Pages that differ between the two
// programs are defined in apps/<program>/, the others in options/.
#pragma once
#include "options/sheet.h"

extern const PageHandlers kControlsPage;
extern const PageHandlers kOnlinePage;
extern const PageHandlers kQuickMessagePage;
extern const PageHandlers kVideoPage;
extern const PageHandlers kSoundPage;
extern const PageHandlers kFolderPage;
extern const PageHandlers kAboutPage;
