// Names for screen readers beyond what the templates give. A reader names a
// button after its text; where that text alone says too little (a binding
// button shows only its key), the program annotates the control through
// Active Accessibility (oleacc.dll, XP and later, and 98 with its update),
// loaded from the system folder on first use. Where the system has no
// annotation, the controls keep the names the reader gives them.
#pragma once
#include <windows.h>

// False where the system cannot annotate (nothing changes then).
bool SetAccessibleName(HWND control, const char* name);
// Names the edits and lists of dlg that the text right before them does not
// name (core/input_name.h), after the text that does.
void NameInputs(HWND dlg);
// Takes back every name given to dlg's controls, as dlg goes away.
void ClearAccessibleNames(HWND dlg);

// Tests watch the names given (never set in the programs).
typedef void (*AccessibleNameHook)(HWND control, const char* name);
extern AccessibleNameHook g_accessibleNameHook;
