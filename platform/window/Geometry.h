// Rectangles in pixels.
#pragma once

// Right and bottom are exclusive, as the window layer's rectangles are.
struct CRect {
    int m_left = 0;
    int m_top = 0;
    int m_right = 0;
    int m_bottom = 0;

    int Width() const { return m_right - m_left; }
    int Height() const { return m_bottom - m_top; }
    bool operator==(const CRect&) const = default;
};
