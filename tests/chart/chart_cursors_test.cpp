// The chart registers its four cursors with Screen when it is created.

#include <gtest/gtest.h>

#include "chart/Kurvex.h"
#include "platform/controls/Screen.h"
#include "resources/ChartCursors.h"

using namespace qvx;

TEST(ChartCursors, ACreatedChartHasRegisteredItsFourCursors)
{
    TKurvex chart(nullptr);
    for (TCursor c : {crKxHand, crKxZoomWindow, crKxZoomDrag, crKxZoomPoint}) {
        const TCursorImage* image = Screen().Cursors(c);
        ASSERT_NE(image, nullptr) << c;
        int opaque = 0;
        for (uint8_t p : image->Pixels) opaque += p != TCursorImage::Transparent;
        EXPECT_GT(opaque, 30) << c;
    }
}
