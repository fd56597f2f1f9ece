// Page handlers: added with the page.
#include "options/pages.h"

const PageHandlers kControlsPage = {nullptr, nullptr, nullptr};
