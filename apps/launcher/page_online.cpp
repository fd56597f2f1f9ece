// Page handlers: added with the page.
#include "options/pages.h"

const PageHandlers kOnlinePage = {nullptr, nullptr, nullptr};
