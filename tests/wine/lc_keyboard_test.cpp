// launcher with the keyboard alone and a screen reader: the Tab walk over
// every page and dialog, the names of its inputs and a refused OK leading the
// player to the clash.
#include "keyboard_fixture.h"

static const InputName kNamed[] = {
    {IDC_VID_RESOLUTION, "Resolution"},
    {IDC_VID_POS_Y, "Offset"},
};

void RunTests() {
  WalkEveryPageAndDialog(kNamed, sizeof kNamed / sizeof kNamed[0]);
  BindingButtonNames("Up", "Pause");
  RefusedOkLeadsToTheClash();
}
