// Page handlers: added with the page.
#include "options/pages.h"

const PageHandlers kQuickMessagePage = {nullptr, nullptr, nullptr};
