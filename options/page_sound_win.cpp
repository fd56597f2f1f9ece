// Page handlers: added with the page.
#include "options/pages.h"

const PageHandlers kSoundPage = {nullptr, nullptr, nullptr};
