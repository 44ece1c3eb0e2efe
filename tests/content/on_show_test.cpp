#include "content/on_show.h"

#include <gtest/gtest.h>

#include <optional>
#include <vector>

namespace velocarta {
namespace {

using Change = OnShow::Change;

TEST(OnShow, TellsEachChangeToEveryListenerWhileItListens) {
    OnShow onShow;
    std::vector<Change> heard;
    std::optional<OnShow::Subscription> first =
        onShow.listen([&heard](Change change) { heard.push_back(change); });
    int second = 0;
    const OnShow::Subscription other = onShow.listen([&second](Change) { ++second; });

    EXPECT_TRUE(onShow.nothingChosen());
    onShow.setCaption("1966");
    onShow.setYearCode("66");
    onShow.setPhotoPath("/disc/vantrels/66A.JPG");
    onShow.setPhotoNumber(2);
    onShow.setYearButtonIndex(3);
    onShow.refreshed();
    EXPECT_EQ(heard, (std::vector<Change>{Change::Caption, Change::YearCode, Change::Photo,
                                          Change::Photo, Change::YearButton, Change::Refreshed}));
    EXPECT_EQ(second, 6);
    EXPECT_FALSE(onShow.nothingChosen());
    EXPECT_EQ(onShow.nextYearButton(), 4);

    first.reset();  // a listener that goes hears nothing more
    onShow.setCaption("2000");
    EXPECT_EQ(heard.size(), 6u);
    EXPECT_EQ(second, 7);
}

TEST(OnShow, TheFocusRuleAfter2000AndBeforeAnyPick) {
    OnShow onShow;
    EXPECT_EQ(onShow.nextYearButton(), 1);
    onShow.setYearButtonIndex(37);
    EXPECT_EQ(onShow.nextYearButton(), 1);
    onShow.setYearButtonIndex(36);
    EXPECT_EQ(onShow.nextYearButton(), 37);
}

TEST(OnShow, TopicButtonsChangeOnlyWhereTheChangeSaysSo) {
    OnShow onShow;
    EXPECT_EQ(onShow.topicButtons().nostalgia, Switch::On);  // every button is offered at start
    TopicButtonStates change;
    change.desc = Switch::Off;
    change.ad = Switch::Off;
    onShow.applyTopicButtons(change);
    EXPECT_EQ(onShow.topicButtons().desc, Switch::Off);
    EXPECT_EQ(onShow.topicButtons().ad, Switch::Off);
    EXPECT_EQ(onShow.topicButtons().stats, Switch::On);
    change = {};
    change.desc = Switch::On;
    onShow.applyTopicButtons(change);
    EXPECT_EQ(onShow.topicButtons().desc, Switch::On);
    EXPECT_EQ(onShow.topicButtons().ad, Switch::Off);
}

TEST(OnShow, AListenerMayListenAnewWhileItIsTold) {
    OnShow onShow;
    std::vector<OnShow::Subscription> later;
    int laterHeard = 0;
    const OnShow::Subscription first = onShow.listen([&](Change) {
        if (later.empty()) {
            later.push_back(onShow.listen([&laterHeard](Change) { ++laterHeard; }));
        }
    });
    onShow.setCaption("1964");
    EXPECT_EQ(laterHeard, 0);
    onShow.setCaption("1965");
    EXPECT_EQ(laterHeard, 1);
}

TEST(OnShow, ASubscriptionMovedIntoPlaceKeepsListening) {
    OnShow onShow;
    int heard = 0;
    OnShow::Subscription kept;
    kept = onShow.listen([&heard](Change) { ++heard; });
    OnShow::Subscription moved(std::move(kept));
    onShow.setCaption("1964");
    EXPECT_EQ(heard, 1);
    moved = OnShow::Subscription();  // assigning over it ends it
    onShow.setCaption("1965");
    EXPECT_EQ(heard, 1);
}

}  // namespace
}  // namespace velocarta
