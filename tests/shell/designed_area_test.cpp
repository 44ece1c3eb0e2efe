#include <gtest/gtest.h>

#include <QMenuBar>

#include "shell/display_scale.h"
#include "shell/form1.h"
#include "support/shell_harness.h"

namespace velocarta {
namespace {

// The fitted scale is decided before any window exists, from the layout's numbers: they
// have to give the surface the main window really makes, with every part's controls on
// it, and the menu bar has to fit into the room kept for it.
TEST(DesignedArea, IsTheSurfaceTheMainWindowMakes) {
    const Size otherScreens = SurfaceSize(RelayoutForOtherScreen(DesignLayout()));
    EXPECT_EQ(DesignedArea().width, otherScreens.width);
    for (const QSize screen : {QSize(800, 600), QSize(1024, 768), QSize(937, 527)}) {
        testing::ShellHarness harness;
        harness.screen.resize(screen.width(), screen.height());
        Form1& form = harness.startToMainWindow();
        const Size surface = SurfaceSize(form.layout());
        EXPECT_EQ(form.surface()->size(), QSize(surface.width, surface.height)) << screen.width();
        EXPECT_LE(form.menuBar()->height(), DesignedArea().height - otherScreens.height);
    }
}

}  // namespace
}  // namespace velocarta
