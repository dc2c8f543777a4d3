// A progress bar: a position within a range.
#pragma once

#include "platform/window/Wnd.h"

class CProgressCtrl : public CWnd {
public:
    // The range's bounds travel as 16-bit values.
    void SetRange(short lower, short upper);
    // Positions outside the range are taken to its nearer end. Returns the
    // previous position.
    int SetPos(int position);
};
