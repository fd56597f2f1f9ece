// Saving a burst of settings writes as one step per file: the writes go into
// a copy beside the file, and the copies take their files' places only once
// every one of them is complete. The profile writer rewrites the whole file
// for every key, so writing the file itself key by key would leave it half
// old, half new, or cut short, to a crash or to the game reading it meanwhile.
// Both programs, any number of times over, and the game save the same
// Zanto.ini: saves of the programs take turns, and a change the game made
// while a copy was being written is kept.
//
// This file decides what a copy is called and what becomes of a copy that a
// save left behind. The other decisions: core/save_lock.h (turns),
// core/file_kind.h (what is at the file's place and how it is written),
// core/settings_save.h (the burst's record of files and writes),
// core/placement.h (putting copies in place, and undoing it).
#pragma once
#include <stddef.h>

enum { SETTINGS_PATH_SIZE = 260 };

// The copies of a settings file a save makes: the new content, and the old
// content kept while a second file is put in place after the first.
enum CopyRole { COPY_NEW, COPY_OLD };

// A copy of a settings file: in the file's own folder, so that putting it in
// place is one rename within one volume, and named after the file, the
// program and the process ("Zanto.ini" -> "Zanto.ini.m_portal.1234.tmp"), so
// that no other process, of either program, ever writes into it. Where that
// name does not fit the path limit, a short one that fits beside any file of
// nine bytes or more ("~z00001ya"). False (out empty) when the path names
// no folder or neither name fits.
bool SettingsCopyPath(const char* path, const char* program, unsigned long processId, CopyRole role, char* out,
                      size_t size);
// The file name within a path (after its last folder separator), or null.
const char* SettingsFileName(const char* path);

// Whether a name found in a settings file's folder is a copy that some save
// made of that file (by this or an earlier version of either program): only
// such a name is ever removed as a leftover.
bool IsSettingsCopyName(const char* name, const char* fileName, CopyRole* role);

// A leftover copy, found while no save is running. A new copy is never settings
// of its own. An old copy whose file is missing is the file itself, caught
// between the two steps of a placement on a system that cannot rename over a
// file: it goes back in place.
enum LeftoverAction { LEFTOVER_REMOVE, LEFTOVER_RESTORE };
LeftoverAction ChooseLeftoverAction(CopyRole role, bool fileExists);

// The process that wrote a copy: the id its name carries, long or short
// (IsSettingsCopyName gave role). False for a name of an older version that
// carries none.
bool SettingsCopyWriter(const char* name, const char* fileName, CopyRole role, unsigned long* processId);
// A copy is a leftover only once its writer is gone: another process's save
// (an elevated one, or one that took no turn to sweep) keeps its copy
// whatever turns are taken. A process the system will not tell about (another
// account's, an elevated one) counts as running. This process's own id on a
// copy that is not its running burst's names a writer that ended before this
// process got the id. A name without an id is removed, under the turn, as before.
enum WriterLook { WRITER_RUNNING, WRITER_ENDED, WRITER_NOT_FOUND, WRITER_NOT_TOLD };
bool LeftoverWriterGone(bool named, bool isThisProcess, WriterLook look);
