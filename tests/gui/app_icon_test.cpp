#include <gtest/gtest.h>

#include <QIcon>
#include <QSize>

#include "gui/desktop/app_icon.h"

namespace {

// The icons are compiled into a static library, where they are easily lost.
TEST(ApplicationIcon, OffersEverySizeDrawnForIt) {
    const QIcon icon = zorvane::ApplicationIcon();
    ASSERT_FALSE(icon.isNull());
    const QList<QSize> sizes = icon.availableSizes();
    for (const int side : {16, 32, 48, 64, 128, 256}) {
        SCOPED_TRACE(side);
        EXPECT_TRUE(sizes.contains(QSize(side, side)));
    }
    EXPECT_FALSE(icon.pixmap(32, 32).isNull());
}

}  // namespace
