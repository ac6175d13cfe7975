// Where the window goes on a screen too small for its described position.
#include "app/windowplacement.h"

#include <gtest/gtest.h>

namespace {

TEST(WindowPlacement, TheDescribedPlaceWhenItFitsElseTheLeastMoveElseTheTopLeftOnScreen) {
    const QRect screen(0, 0, 1280, 1024);
    const struct {
        QRect Frame;
        QRect Available;
        QPoint Placed;
    } cases[] = {
        {{273, 107, 622, 482}, screen, {273, 107}},                   // fits: kept
        {{273, 107, 622, 482}, {0, 0, 853, 683}, {231, 107}},         // 1280 x 1024 at 150 %: left only
        {{273, 107, 622, 482}, {0, 0, 960, 510}, {273, 28}},          // 1920 x 1080 at 200 %, panel below
        {{273, 107, 622, 482}, {0, 0, 600, 400}, {0, 0}},             // too large: top-left kept
        {{273, 107, 622, 482}, {100, 200, 800, 600}, {273, 200}},     // a panel above: moved down
        {{-50, -20, 622, 482}, screen, {0, 0}},                       // off the top-left: moved in
        {{1400, 107, 622, 482}, {1280, 0, 1920, 1080}, {1400, 107}},  // a second screen
    };
    for (const auto& c : cases)
        EXPECT_EQ(FittedFramePosition(c.Frame, c.Available), c.Placed)
            << c.Available.width() << "x" << c.Available.height();
}

}  // namespace
