// Radio groups and the Tab key. Windows checks an unchecked radio that Tab
// moves the focus onto (and its dialog hears the click), so a radio that is a
// tab stop while unchecked changes the player's setting by Tab alone. Only
// the checked radio of a group may be a tab stop; arrow keys move within it.
#pragma once

// The radio of a group of count that keeps the group's tab stop: the checked
// one (even if disabled: Tab then passes the group by, which changes
// nothing), else, with none checked, the first enabled one; -1 for none.
int RadioTabStop(const bool* checked, const bool* enabled, int count);
