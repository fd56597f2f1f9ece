#include "core/placement.h"

PlaceStep ChooseBeforePlacing(bool fileUnchanged, bool logComplete, int retakesMade) {
  if (fileUnchanged) return PLACE_NOW;
  return logComplete && retakesMade < PLACEMENT_RETAKES ? PLACE_RETAKE : PLACE_REFUSED;
}

bool BurstCanBePlaced(const BurstFile* files, int count) {
  for (int i = 0; i < count; ++i)
    if (files[i].written && files[i].failed) return false;
  return true;
}

static bool ToBePlaced(const BurstFile& f) { return f.written && !f.failed && !f.inPlace; }

bool KeepOldContent(const BurstFile* files, int count, int index) {
  if (!ToBePlaced(files[index]) || !files[index].stamp.exists) return false;
  for (int i = index + 1; i < count; ++i)
    if (ToBePlaced(files[i])) return true;
  return false;
}

bool TryPlacementAgain(int attemptsMade, bool fileInUse) { return fileInUse && attemptsMade < PLACEMENT_ATTEMPTS; }

PlacementCall ChoosePlacementCall(unsigned long renameOverError) {
  return renameOverError == ERROR_CODE_CALL_NOT_IMPLEMENTED ? PLACE_BY_TWO_RENAMES : PLACE_BY_RENAME_OVER;
}
