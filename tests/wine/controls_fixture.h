// The Controls page's binding columns as the player sees them: from left to
// right up, down, left, right, rotate left, rotate right, pause, each caption
// over its button, and Tab going through the buttons in the same order.
#pragma once
#include "itest.h"
#include "dialog_template.h"
#include "res/resource.h"

// Per player, in column order: {button, caption}.
static const int kControlColumns[2][7][2] = {
    {{IDC_CTL_P1_UP, IDC_CTL_P1_UP_CAPTION},
     {IDC_CTL_P1_DOWN, IDC_CTL_P1_DOWN_CAPTION},
     {IDC_CTL_P1_LEFT, IDC_CTL_P1_LEFT_CAPTION},
     {IDC_CTL_P1_RIGHT, IDC_CTL_P1_RIGHT_CAPTION},
     {IDC_CTL_P1_ROTL, IDC_CTL_P1_ROTL_CAPTION},
     {IDC_CTL_P1_ROTR, IDC_CTL_P1_ROTR_CAPTION},
     {IDC_CTL_P1_PAUSE, IDC_CTL_P1_PAUSE_CAPTION}},
    {{IDC_CTL_P2_UP, IDC_CTL_P2_UP_CAPTION},
     {IDC_CTL_P2_DOWN, IDC_CTL_P2_DOWN_CAPTION},
     {IDC_CTL_P2_LEFT, IDC_CTL_P2_LEFT_CAPTION},
     {IDC_CTL_P2_RIGHT, IDC_CTL_P2_RIGHT_CAPTION},
     {IDC_CTL_P2_ROTL, IDC_CTL_P2_ROTL_CAPTION},
     {IDC_CTL_P2_ROTR, IDC_CTL_P2_ROTR_CAPTION},
     {IDC_CTL_P2_PAUSE, IDC_CTL_P2_PAUSE_CAPTION}},
};

static inline RECT ControlRect(HWND page, int id) {
  RECT r = {0, 0, 0, 0};
  GetWindowRect(GetDlgItem(page, id), &r);
  return r;
}

// page: a Controls page with every binding button enabled.
static inline void CheckBindingColumns(HWND page) {
  for (int p = 0; p < 2; ++p) {
    for (int c = 0; c < 7; ++c) {
      RECT b = ControlRect(page, kControlColumns[p][c][0]);
      RECT cap = ControlRect(page, kControlColumns[p][c][1]);
      CHECK(cap.bottom <= b.top && cap.left < b.right && b.left < cap.right);
      if (c == 0) continue;
      RECT left = ControlRect(page, kControlColumns[p][c - 1][0]);
      CHECK(left.right <= b.left && left.top == b.top);
      CHECK(GetNextDlgTabItem(page, GetDlgItem(page, kControlColumns[p][c - 1][0]), FALSE) ==
            GetDlgItem(page, kControlColumns[p][c][0]));
    }
  }
}

struct ControlText {
  int id;
  const char* text;
};

// The template's size (alike in both programs), the edition's caption, and
// the edition's text of each listed control.
static inline void CheckControlsTemplate(DialogTemplate* t, const char* caption, const ControlText* texts,
                                         int count) {
  CHECK(LoadDialogTemplate(IDD_PAGE_CONTROLS, t));
  CHECK_EQ(t->cx, 275);
  CHECK_EQ(t->cy, 195);
  CHECK_STR(t->caption, caption);
  for (int i = 0; i < count; ++i) {
    const TemplateItem* item = FindTemplateItem(t, texts[i].id);
    CHECK(item != nullptr);
    if (item != nullptr) CHECK_STR(item->title, texts[i].text);
  }
}
