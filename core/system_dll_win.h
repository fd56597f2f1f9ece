// Protection against planted DLLs. A player often starts the programs from a
// downloads folder; Windows would look for a DLL in the program's own folder
// first, so a DLL someone left there would run inside the program.
#pragma once
#include <windows.h>

// Restricts the DLL search of this process to the system folder, and loads
// from there the DLLs that Windows' own load by name on the program's behalf.
// Called first in WinMain, before anything can load a library.
void RestrictDllSearch();

// A function of kernel32 that older systems may lack; nullptr there.
void* FindKernelFunction(const char* name);

// Loads a DLL of Windows by its full path in the system folder; nullptr when
// it cannot be loaded or the path does not fit.
HMODULE LoadSystemLibrary(const char* name);
