#include "core/accessible_win.h"

#include <objbase.h>
#include <oleacc.h>

#include "core/input_name.h"
#include "core/system_dll_win.h"
#include "core/text932_win.h"
#include "core/ui.h"

AccessibleNameHook g_accessibleNameHook = nullptr;

// Spelled out here: the headers declare them for a library the programs do not link.
static const GUID kClsidAccPropServices = {0xb5f8350b, 0x0548, 0x48b1, {0xa6, 0xee, 0x88, 0xbd, 0x00, 0xb4, 0xa5, 0xe7}};
static const GUID kIidAccPropServices = {0x6e26e776, 0x04f0, 0x495d, {0x80, 0xe4, 0x33, 0x30, 0x35, 0x2e, 0x31, 0x69}};
static const GUID kIidClassFactory = {0x00000001, 0x0000, 0x0000, {0xc0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46}};
static const GUID kPropIdAccName = {0x608d3df8, 0x8128, 0x4aa7, {0xa4, 0x28, 0xf5, 0x5e, 0x49, 0x26, 0x72, 0x91}};

// Taken once from oleacc's own class factory rather than through the COM
// registry, which the programs never initialise; kept for the life of the
// process, like the library. nullptr for good once it cannot be had.
static IAccPropServices* PropServices() {
  static bool tried;
  static IAccPropServices* services;
  if (tried) return services;
  tried = true;
  HMODULE oleacc = LoadSystemLibrary("oleacc.dll");
  if (oleacc == nullptr) return nullptr;
  typedef HRESULT(WINAPI * GetClassObjectFn)(REFCLSID, REFIID, void**);
  GetClassObjectFn getClassObject = (GetClassObjectFn)(void*)GetProcAddress(oleacc, "DllGetClassObject");
  IClassFactory* factory = nullptr;
  if (getClassObject == nullptr || FAILED(getClassObject(kClsidAccPropServices, kIidClassFactory, (void**)&factory)) ||
      factory == nullptr)
    return nullptr;
  void* object = nullptr;
  if (SUCCEEDED(factory->CreateInstance(nullptr, kIidAccPropServices, &object))) services = (IAccPropServices*)object;
  factory->Release();
  return services;
}

// Whether any name was given, so that closing a dialog without one loads nothing.
static bool g_anyNamed;

bool SetAccessibleName(HWND control, const char* name) {
  if (g_accessibleNameHook != nullptr) g_accessibleNameHook(control, name);
  IAccPropServices* services = PropServices();
  if (services == nullptr || control == nullptr) return false;
  wchar_t wide[256];
  WideFrom932(name, wide, 256);
  if (FAILED(services->SetHwndPropStr(control, (DWORD)OBJID_CLIENT, CHILDID_SELF, kPropIdAccName, wide)))
    return false;
  g_anyNamed = true;
  return true;
}

enum { MOST_LINES = 64, LINE_TEXT_SIZE = 128 };

static DialogLineKind LineKind(HWND child) {
  char cls[16];
  if (GetClassNameA(child, cls, sizeof cls) == 0) return LINE_OTHER;
  if (lstrcmpiA(cls, "Static") == 0) return LINE_TEXT;
  if (lstrcmpiA(cls, "Edit") == 0 || lstrcmpiA(cls, "ComboBox") == 0) return LINE_INPUT;
  if (lstrcmpiA(cls, "Button") == 0 && (GetWindowLongPtrA(child, GWL_STYLE) & BS_TYPEMASK) == BS_GROUPBOX)
    return LINE_GROUP_BOX;
  return LINE_OTHER;
}

void NameInputs(HWND dlg) {
  static char texts[MOST_LINES][LINE_TEXT_SIZE];
  HWND children[MOST_LINES];
  DialogLine lines[MOST_LINES];
  int count = 0;
  for (HWND c = GetWindow(dlg, GW_CHILD); c != nullptr && count < MOST_LINES; c = GetWindow(c, GW_HWNDNEXT)) {
    RECT r;
    GetWindowRect(c, &r);
    COMBOBOXINFO combo;
    combo.cbSize = sizeof combo;
    // A list's window may reach down over its dropped list: its field is what the player sees.
    if (GetComboBoxInfo(c, &combo)) r.bottom = r.top + combo.rcButton.bottom + combo.rcButton.top;
    GetControlText(c, texts[count], LINE_TEXT_SIZE);
    lines[count] = {LineKind(c), (int)r.left, (int)r.top, (int)r.right, (int)r.bottom, texts[count]};
    children[count++] = c;
  }
  for (int i = 0; i < count; ++i) {
    if (lines[i].kind != LINE_INPUT) continue;
    int by = InputNameLine(lines, count, i);
    // A reader takes its name from the text line right before it, never from a box.
    if (by >= 0 && (by != i - 1 || lines[by].kind != LINE_TEXT)) SetAccessibleName(children[i], lines[by].text);
  }
}

void ClearAccessibleNames(HWND dlg) {
  IAccPropServices* services = g_anyNamed ? PropServices() : nullptr;
  if (services == nullptr) return;
  for (HWND c = GetWindow(dlg, GW_CHILD); c != nullptr; c = GetWindow(c, GW_HWNDNEXT))
    services->ClearHwndProps(c, (DWORD)OBJID_CLIENT, CHILDID_SELF, &kPropIdAccName, 1);
}
