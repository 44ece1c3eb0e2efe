#include "content/on_show.h"

#include <vector>

#include "content/errors.h"
#include "content/naming.h"

namespace velocarta {

OnShow::Subscription::Subscription(std::weak_ptr<std::list<Listener>> listeners,
                                   std::list<Listener>::iterator entry)
    : listeners_(std::move(listeners)), entry_(entry), active_(true) {}

OnShow::Subscription::Subscription(Subscription&& other) noexcept
    : listeners_(std::move(other.listeners_)), entry_(other.entry_), active_(other.active_) {
    other.active_ = false;
}

OnShow::Subscription& OnShow::Subscription::operator=(Subscription&& other) noexcept {
    if (this != &other) {
        end();
        listeners_ = std::move(other.listeners_);
        entry_ = other.entry_;
        active_ = other.active_;
        other.active_ = false;
    }
    return *this;
}

OnShow::Subscription::~Subscription() {
    end();
}

void OnShow::Subscription::end() {
    if (!active_) {
        return;
    }
    active_ = false;
    if (const auto listeners = listeners_.lock()) {
        listeners->erase(entry_);
    }
}

OnShow::OnShow()
    : listeners_(std::make_shared<std::list<Listener>>()),
      caption_(kNothingChosen),
      topicButtons_{Switch::On, Switch::On, Switch::On, Switch::On, Switch::On,
                    Switch::On, Switch::On, Switch::On, Switch::On} {}

OnShow::Subscription OnShow::listen(Listener listener) {
    listeners_->push_back(std::move(listener));
    return Subscription(listeners_, std::prev(listeners_->end()));
}

void OnShow::tell(Change change) {
    // A listener may listen anew while it is told; those hear the next change.
    const std::vector<Listener> listeners(listeners_->begin(), listeners_->end());
    for (const Listener& listener : listeners) {
        listener(change);
    }
}

bool OnShow::nothingChosen() const {
    return caption_ == kNothingChosen;
}

void OnShow::setCaption(std::string caption) {
    caption_ = std::move(caption);
    tell(Change::Caption);
}

void OnShow::setYearCode(std::string code) {
    yearCode_ = std::move(code);
    tell(Change::YearCode);
}

void OnShow::setPhotoPath(std::string path) {
    photoPath_ = std::move(path);
    tell(Change::Photo);
}

void OnShow::setPhotoNumber(int number) {
    photoNumber_ = number;
    tell(Change::Photo);
}

void OnShow::setYearButtonIndex(int index) {
    yearButtonIndex_ = index;
    tell(Change::YearButton);
}

int OnShow::nextYearButton() const {
    return NextYearButton(yearButtonIndex_);
}

void OnShow::applyTopicButtons(const TopicButtonStates& change) {
    const auto apply = [](Switch& button, Switch to) {
        if (to != Switch::Keep) {
            button = to;
        }
    };
    apply(topicButtons_.desc, change.desc);
    apply(topicButtons_.stats, change.stats);
    apply(topicButtons_.options, change.options);
    apply(topicButtons_.colors, change.colors);
    apply(topicButtons_.script, change.script);
    apply(topicButtons_.emblem, change.emblem);
    apply(topicButtons_.ad, change.ad);
    apply(topicButtons_.nostalgia, change.nostalgia);
    apply(topicButtons_.clipArt, change.clipArt);
    tell(Change::TopicButtons);
}

void OnShow::refreshed() {
    tell(Change::Refreshed);
}

}  // namespace velocarta
