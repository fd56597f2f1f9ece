#include "core/placement.h"

#include "core/text.h"

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

static bool ToBeWrittenInPlace(const BurstFile& f) { return f.written && !f.failed && f.inPlace; }

bool KeepOldContent(const BurstFile* files, int count, int index) {
  if (!ToBePlaced(files[index]) || !files[index].stamp.exists) return false;
  for (int i = 0; i < count; ++i)
    if ((i > index && ToBePlaced(files[i])) || ToBeWrittenInPlace(files[i])) return true;
  return false;
}

bool TryPlacementAgain(int attemptsMade, bool fileInUse) { return fileInUse && attemptsMade < PLACEMENT_ATTEMPTS; }

PlacementCall ChoosePlacementCall(unsigned long renameOverError) {
  return renameOverError == ERROR_CODE_CALL_NOT_IMPLEMENTED ? PLACE_BY_TWO_RENAMES : PLACE_BY_RENAME_OVER;
}

void FormFailedSaveText(const BurstFile* files, int count, const char* nothingSaved, const char* savedInPart,
                        char* out, size_t size) {
  const char* saved = nullptr;
  const char* unsaved = nullptr;
  for (int i = 0; i < count; ++i) {
    if (!files[i].written) continue;
    const char* name = SettingsFileName(files[i].path);
    if (name == nullptr) name = files[i].path;
    if (files[i].undoFailed) {
      if (saved == nullptr) saved = name;
    } else if (unsaved == nullptr) {
      unsaved = name;
    }
  }
  if (saved == nullptr || unsaved == nullptr || !TextFormat(out, size, savedInPart, saved, unsaved))
    TextCopy(nothingSaved, out, size);
}
