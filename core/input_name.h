// Which text names an edit or list box for a screen reader. A reader names
// such an input after the text line right before it in its dialog; where that
// line is no text, or one without a word ("," between two position fields,
// "～" between the two ends of a range), the program names the input itself
// (core/accessible_win.h) after the nearest text with a word: one to its left
// on its row, else the group box it sits in.
#pragma once

enum DialogLineKind { LINE_TEXT, LINE_GROUP_BOX, LINE_INPUT, LINE_OTHER };

// A child of a dialog, in template order, with its rectangle in any one unit.
struct DialogLine {
  DialogLineKind kind;
  int left, top, right, bottom;
  const char* text;  // code page 932
};

// The line whose text names input lines[index]: the text line right before
// it when the reader's own rule serves; else a line whose text the program
// gives it (which may be the group box right before it); -1 when no text on
// the dialog names it.
int InputNameLine(const DialogLine* lines, int count, int index);

// Whether a text holds a letter, digit or word character (not punctuation or symbols alone).
bool HasWord(const char* text);
