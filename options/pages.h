// The seven pages' handlers, in page order, each defined in its page file in
// options/. What the Online page holds differs between the two programs and
// is each program's table of fields (options/page_online.h).
#pragma once
#include "options/sheet.h"

extern const PageHandlers kControlsPage;
extern const PageHandlers kOnlinePage;
extern const PageHandlers kQuickMessagePage;
extern const PageHandlers kVideoPage;
extern const PageHandlers kSoundPage;
extern const PageHandlers kFolderPage;
extern const PageHandlers kAboutPage;
