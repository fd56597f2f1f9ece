// The sheet's OK applies every page created so far, in page order, and their
// writes are saved as one: the first of those pages begins the burst of
// writes, the last one puts it in place.
#pragma once

struct ApplyRole {
  bool begins;  // the burst begins before this page's apply handler
  bool ends;    // the burst is put in place after it
};

// created: for each page index below count, whether the page exists.
ApplyRole ApplyRoleOf(int pageIndex, const bool* created, int count);
