// Page handlers: added with the page.
#include "options/pages.h"

const PageHandlers kVideoPage = {nullptr, nullptr, nullptr};
