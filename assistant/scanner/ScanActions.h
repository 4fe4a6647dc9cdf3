// What the routine scan does to each routine, by its code state: chosen in
// the scanner options dialog at each opening, never stored.
#pragma once

struct TScanActions {
  int Correct = 0;    // 0 nothing, 1 remove the block
  int Incorrect = 0;  // 0 nothing, 1 remove the block, 2 update its text
  int Missing = 0;    // 0 nothing, 3 add the block
};

extern TScanActions ScanActions;
