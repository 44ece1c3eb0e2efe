// The Advertisement button and the zoom viewer, with real clicks.
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <filesystem>

#include "yearimages/year_images_fixture.h"

namespace velocarta::testing {
namespace {

class Advertisement : public YearImagesTest {
  protected:
    // Presses Advertisement; the viewer, or nullptr when none opened.
    QWidget* show() {
        press("cmdAd");
        return ShownWindow(QStringLiteral("frmScroll"));
    }
    template <class T = QWidget>
    T* in(QWidget* viewer, const char* name) {
        return Find<T>(viewer, QString::fromUtf8(name));
    }
    // The full-size view is on when its four controls are shown.
    bool fullSize(QWidget* viewer) {
        return in(viewer, "picParent")->isVisible() && in(viewer, "picChild")->isVisible() &&
               in(viewer, "HScroll1")->isVisible() && in(viewer, "VScroll1")->isVisible();
    }
    bool fitted(QWidget* viewer) {
        return in(viewer, "Image1")->isVisible() && in(viewer, "picParent")->isHidden() &&
               in(viewer, "picChild")->isHidden() && in(viewer, "HScroll1")->isHidden() &&
               in(viewer, "VScroll1")->isHidden();
    }
    // Waits until the viewer that was shown is gone.
    bool closed() {
        return QTest::qWaitFor([] { return ShownWindow(QStringLiteral("frmScroll")) == nullptr; },
                               5000);
    }
    // The window with its frame covers the screen.
    void expectScreenSized(QWidget* viewer, QSize screen) {
        EXPECT_EQ(viewer->frameGeometry(), QRect(QPoint(0, 0), screen));
    }
    // The fitted view of a portrait advertisement: as high as the window's inner area, 0.77
    // times as wide as high, centred.
    QRect portrait(QWidget* viewer) {
        const int width = qRound(viewer->height() * 0.77);
        return {(viewer->width() - width) / 2, 0, width, viewer->height()};
    }
    void expectSorry(std::size_t before) {
        ASSERT_EQ(boxes(), before + 1);
        const Message& sorry = harness.prompter.last();
        EXPECT_EQ(sorry.text,
                  "Sorry!\r\n\r\nThe Year 2000 ad has not yet been released by Halder.\r\n");
        EXPECT_EQ(sorry.title, "The Vantrel Velocarta");
        EXPECT_EQ(sorry.buttons, Buttons::Ok);
        EXPECT_EQ(sorry.icon, Icon::Exclamation);
        EXPECT_EQ(ShownWindow(QStringLiteral("frmScroll")), nullptr);
        EXPECT_TRUE(form->isEnabled());
    }
};

TEST_F(Advertisement, APortraitYearOpensAtFullSizeAndScrolls) {
    picture("/ads/85HAVA00.JPG", {1232, 1600}, Qt::darkGreen);
    start();
    pick(22);
    QWidget* viewer = show();
    ASSERT_NE(viewer, nullptr);
    EXPECT_EQ(viewer->windowTitle(), "The Vantrel Velocarta    1985 Advertisement");
    expectScreenSized(viewer, {800, 600});
    EXPECT_FALSE(form->isEnabled());
    EXPECT_TRUE(fullSize(viewer));
    EXPECT_EQ(in(viewer, "picChild")->size(), QSize(1232, 1600));
    EXPECT_EQ(in(viewer, "picChild")->pos(), QPoint(0, 0));

    // The viewport fills the window less the bars; the "X" sits in the corner between them.
    auto* across = in<QScrollBar>(viewer, "HScroll1");
    auto* down = in<QScrollBar>(viewer, "VScroll1");
    const QRect viewport = in(viewer, "picParent")->geometry();
    EXPECT_EQ(viewport,
              QRect(0, 0, viewer->width() - down->width(), viewer->height() - across->height()));
    EXPECT_EQ(across->geometry(), QRect(0, viewport.height(), viewport.width(), across->height()));
    EXPECT_EQ(down->geometry(), QRect(viewport.width(), 0, down->width(), viewport.height()));
    EXPECT_EQ(in(viewer, "sscommand1")->geometry(),
              QRect(viewport.width(), viewport.height(), down->width(), across->height()));
    EXPECT_EQ(across->maximum(), 1232 - viewport.width());
    EXPECT_EQ(down->maximum(), 1600 - viewport.height());
    EXPECT_EQ(down->pageStep(), (1600 - viewport.height()) / (1600 / viewport.height()) / 6);
    EXPECT_TRUE(across->isEnabled());
    EXPECT_TRUE(down->isEnabled());

    // A click in the lower part of the vertical bar moves the picture up by one page.
    Click(down, Qt::LeftButton, QPoint(down->width() / 2, down->height() - down->width() - 10));
    EXPECT_EQ(down->value(), down->pageStep());
    EXPECT_EQ(in(viewer, "picChild")->pos(), QPoint(0, -down->pageStep()));
    Click(across, Qt::LeftButton, QPoint(across->width() - across->height() - 10, 5));
    EXPECT_EQ(in(viewer, "picChild")->pos(), QPoint(-across->value(), -down->value()));
    EXPECT_GT(across->value(), 0);

    // A left click zooms out to the fitted view: 0.77 times as wide as high, centred.
    Click(in(viewer, "picChild"));
    EXPECT_TRUE(fitted(viewer));
    EXPECT_EQ(in(viewer, "Image1")->geometry(), portrait(viewer));
    EXPECT_EQ(in(viewer, "Image1")->toolTip(),
              "Click the left mouse button to zoom in. Click the Right mouse button to close.");
    // And back.
    Click(in(viewer, "Image1"));
    EXPECT_TRUE(fullSize(viewer));
    EXPECT_EQ(in(viewer, "picChild")->toolTip(),
              "Click the left mouse button to view zoom out. Click the Right mouse button to "
              "close.");

    // The right button closes it; the main window is back, the focus on the next year.
    Click(in(viewer, "picChild"), Qt::RightButton);
    ASSERT_TRUE(closed());
    EXPECT_TRUE(form->isEnabled());
    EXPECT_EQ(QApplication::focusWidget(), YearButton(*form, 23));
    EXPECT_EQ(boxes(), 0u);
}

TEST_F(Advertisement, ALandscapeYearFillsTheScreenWhenFitted) {
    picture("/ads/86hava00.jpg", {1628, 1253});
    start();
    pick(23);
    QWidget* viewer = show();
    ASSERT_NE(viewer, nullptr);
    Click(in(viewer, "picChild"));
    EXPECT_EQ(in(viewer, "Image1")->geometry(), viewer->rect());
    Click(in(viewer, "Image1"), Qt::RightButton);
    ASSERT_TRUE(closed());
    EXPECT_TRUE(form->isEnabled());
}

TEST_F(Advertisement, TheXButtonEscapeAndTheCloseBoxClose) {
    picture("/ads/64hava00.jpg", {1000, 1300});
    start();
    pick(1);
    QWidget* viewer = show();
    ASSERT_NE(viewer, nullptr);
    EXPECT_EQ(in<QPushButton>(viewer, "sscommand1")->text(), "X");
    EXPECT_EQ(viewer->focusWidget(), in(viewer, "sscommand1"));
    Click(in(viewer, "sscommand1"));
    ASSERT_TRUE(closed());
    EXPECT_TRUE(form->isEnabled());

    viewer = show();
    ASSERT_NE(viewer, nullptr);
    QTest::keyClick(viewer, Qt::Key_Escape);
    ASSERT_TRUE(closed());

    viewer = show();
    ASSERT_NE(viewer, nullptr);
    viewer->close();
    ASSERT_TRUE(closed());
    EXPECT_TRUE(form->isEnabled());
}

TEST_F(Advertisement, APictureNoLargerThanTheViewportDoesNotScroll) {
    picture("/ads/64hava00.jpg", {1, 1});
    start();
    pick(1);
    QWidget* viewer = show();
    ASSERT_NE(viewer, nullptr);
    for (const char* bar : {"HScroll1", "VScroll1"}) {
        EXPECT_FALSE(in(viewer, bar)->isEnabled()) << bar;
        EXPECT_EQ(in<QScrollBar>(viewer, bar)->maximum(), 0) << bar;
    }
    EXPECT_EQ(in(viewer, "picChild")->size(), QSize(1, 1));
    Click(in(viewer, "sscommand1"));
    ASSERT_TRUE(closed());
}

TEST_F(Advertisement, TheDorranHasItsOwn) {
    picture("/ads/68HADR00.jpg", {1000, 1300});
    start();
    choose("mnuSpecialty", 0);
    QWidget* viewer = show();
    ASSERT_NE(viewer, nullptr);
    EXPECT_EQ(viewer->windowTitle(), "The Vantrel Velocarta    The Classic Dorran  Advertisement");
    EXPECT_EQ(in(viewer, "picChild")->size(), QSize(1000, 1300));
    Click(in(viewer, "picChild"));
    EXPECT_EQ(in(viewer, "Image1")->geometry(), portrait(viewer));
    Click(in(viewer, "sscommand1"));
    ASSERT_TRUE(closed());
}

TEST_F(Advertisement, NoneFor2000AndNoneFromABrokenFile) {
    start();
    // Nothing before a pick.
    EXPECT_EQ(show(), nullptr);
    EXPECT_EQ(boxes(), 0u);

    pick(37);
    std::size_t before = boxes();
    EXPECT_EQ(show(), nullptr);
    expectSorry(before);

    // A JPEG cut short, a text file, an empty file.
    picture("/ads/64hava00.jpg", {900, 1200});
    const std::string cut = harness.disc.path() + "/ads/64hava00.jpg";
    std::filesystem::resize_file(cut, std::filesystem::file_size(cut) * 2 / 3);
    harness.disc.writeFile("/ads/65hava00.jpg", "<html>not a picture</html>");
    harness.disc.writeFile("/ads/66hava00.jpg", "");
    for (const int year : {1, 2, 3}) {
        pick(year);
        before = boxes();
        EXPECT_EQ(show(), nullptr) << year;
        expectSorry(before);
    }
}

TEST_F(Advertisement, OnALargerScreen) {
    harness.screen.resize(1024, 768);
    picture("/ads/85hava00.jpg", {1232, 1600});
    start();
    pick(22);
    QWidget* viewer = show();
    ASSERT_NE(viewer, nullptr);
    expectScreenSized(viewer, {1024, 768});
    Click(in(viewer, "picChild"));
    EXPECT_EQ(in(viewer, "Image1")->geometry(), portrait(viewer));
    Click(in(viewer, "Image1"), Qt::RightButton);
    ASSERT_TRUE(closed());
}

}  // namespace
}  // namespace velocarta::testing
