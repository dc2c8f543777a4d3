// Where a window opens beside the window it belongs to, on the screen's
// available area.
#include "platform/window/qt/WindowPlacement.h"

#include <gtest/gtest.h>

TEST(WindowPlacement, AWindowOpensBesideItsOwnerOnTheScreen)
{
    const QRect screen(0, 0, 1920, 1080);
    const QSize view(700, 500);
    const int minimumWidth = 560;
    struct CCase {
        QRect m_owner;
        QRect m_expected;
    };
    const CCase cases[] = {
        {QRect(100, 200, 600, 400), QRect(700, 200, 700, 500)},   // to the right
        {QRect(1300, 200, 600, 400), QRect(600, 200, 700, 500)},  // no room on the right: to the left
        {QRect(653, 300, 614, 430), QRect(1267, 300, 653, 500)},  // centred: narrowed into the room on the right
        {QRect(400, 800, 1200, 250), QRect(1220, 580, 700, 500)}, // no room either side: right-aligned, lifted
        {QRect(-50, -30, 600, 400), QRect(550, 0, 700, 500)},     // an owner partly off the screen
    };
    for (const CCase& c : cases)
        EXPECT_EQ(BesideGeometry(c.m_owner, view, minimumWidth, screen), c.m_expected) << c.m_owner.x();
}
