// Page handlers: added with the page.
#include "options/pages.h"

const PageHandlers kFolderPage = {nullptr, nullptr, nullptr};
