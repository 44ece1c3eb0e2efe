#pragma once

#include <functional>
#include <list>
#include <memory>
#include <string>
#include <string_view>

#include "content/choose_year.h"
#include "content/step_state.h"

namespace velocarta {

// What the main window has on show: the year or topic (its caption and code), the topic
// buttons it offers, the photo and its number, and the year button of the year on show.
// Every part of the program reads it from here and hears of each change, so nothing reads
// a selection back from a widget's text.
class OnShow {
  public:
    enum class Change {
        Caption,
        YearCode,
        Photo,  // the photo's path or its number
        YearButton,
        TopicButtons,  // which topic buttons are offered
        // The caption on show was settled (after a pick, a slide show): the parts refresh
        // what depends on it (open picture boxes, windows that close).
        Refreshed,
    };
    using Listener = std::function<void(Change)>;

    // Removes its listener when it goes.
    class Subscription {
      public:
        Subscription() = default;
        Subscription(Subscription&& other) noexcept;
        Subscription& operator=(Subscription&& other) noexcept;
        ~Subscription();

      private:
        friend class OnShow;
        Subscription(std::weak_ptr<std::list<Listener>> listeners,
                     std::list<Listener>::iterator entry);
        void end();
        std::weak_ptr<std::list<Listener>> listeners_;
        std::list<Listener>::iterator entry_;
        bool active_ = false;
    };

    OnShow();

    [[nodiscard]] Subscription listen(Listener listener);

    // "panYear" until the first pick; topic captions end in one blank.
    const std::string& caption() const { return caption_; }
    bool nothingChosen() const;
    void setCaption(std::string caption);

    const std::string& yearCode() const { return yearCode_; }
    void setYearCode(std::string code);

    // The catalogue path of the photo on show ("" before the first) and the number the
    // photo counter shows.
    const std::string& photoPath() const { return photoPath_; }
    int photoNumber() const { return photoNumber_; }
    void setPhotoPath(std::string path);
    void setPhotoNumber(int number);

    // 1 .. 37, the year button of the year on show; 0 before a pick and after a menu topic.
    int yearButtonIndex() const { return yearButtonIndex_; }
    void setYearButtonIndex(int index);
    // The focus rule: the button after the year on show, button 1 after 2000 and topics.
    int nextYearButton() const;

    // Which topic buttons are offered (On or Off; every button is offered at start). A
    // Keep in the change leaves that button as it is.
    const TopicButtonStates& topicButtons() const { return topicButtons_; }
    void applyTopicButtons(const TopicButtonStates& change);

    void refreshed();

    // Where the photo steps stand.
    StepState steps;

  private:
    void tell(Change change);

    std::shared_ptr<std::list<Listener>> listeners_;
    std::string caption_;
    std::string yearCode_;
    std::string photoPath_;
    int photoNumber_ = 1;
    int yearButtonIndex_ = 0;
    TopicButtonStates topicButtons_;
};

}  // namespace velocarta
