// Page handlers: added with the page.
#include "options/pages.h"

const PageHandlers kAboutPage = {nullptr, nullptr, nullptr};
