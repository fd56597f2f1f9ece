// Putting a burst's copies in their files' places, all or none: whether a
// file is still the one its copy was taken from, the order and the retries of
// the renames, and what is kept to undo a placement when a later one fails.
// core/placement_win.cpp makes the renames.
#pragma once

#include "core/settings_save.h"

// Before a copy goes in place: the file must still be the one the copy was
// taken from. If another program wrote it meanwhile, a fresh copy is taken and
// the save's writes are made on it again, a few times at most (keys this save
// did not write keep the other program's values, keys it wrote take this
// save's); with the writes no longer all known, the save fails.
enum PlaceStep { PLACE_NOW, PLACE_RETAKE, PLACE_REFUSED };
enum { PLACEMENT_RETAKES = 3 };
PlaceStep ChooseBeforePlacing(bool fileUnchanged, bool logComplete, int retakesMade);

// The copies go in place only when every file the burst wrote to has a
// complete copy: a save is never half of one file, nor one file of two.
bool BurstCanBePlaced(const BurstFile* files, int count);

// Files are put in place in order, and the first that cannot be ends the
// commit: the files already put in place get their old content back, so that
// "nothing was saved" is true. So a file's old content is kept when a later
// file is still to be put in place.
bool KeepOldContent(const BurstFile* files, int count, int index);

// Whether putting a copy in place is tried again after a refusal. A file that
// another program (the game starting) has open for a moment cannot be
// replaced, so a refusal for a file in use is tried again a few times, a
// short wait apart; anything else is final.
enum { PLACEMENT_ATTEMPTS = 20, PLACEMENT_WAIT_MS = 25 };
bool TryPlacementAgain(int attemptsMade, bool fileInUse);

// How a copy is put in place. Windows 95/98/Me have no rename over an existing
// file (MoveFileExA fails there with ERROR_CALL_NOT_IMPLEMENTED): there the
// file is first renamed to its old copy and the new copy then renamed to the
// file, so that a crash in between leaves the file under its old copy's name,
// which the next run puts back (ChooseLeftoverAction).
enum { ERROR_CODE_CALL_NOT_IMPLEMENTED = 120 };
enum PlacementCall { PLACE_BY_RENAME_OVER, PLACE_BY_TWO_RENAMES };
PlacementCall ChoosePlacementCall(unsigned long renameOverError);
