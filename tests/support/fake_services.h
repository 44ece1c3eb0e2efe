#pragma once

#include <deque>
#include <filesystem>
#include <functional>
#include <set>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "platform/help_viewer.h"
#include "platform/instance_guard.h"
#include "platform/process_runner.h"
#include "platform/prompter.h"
#include "platform/qt/media_device.h"
#include "platform/qt/window_order.h"
#include "platform/screen.h"
#include "support/fake_printer.h"

namespace velocarta::testing {

// Records every message and answers from a script; with the script used up it answers
// the first button of the box (OK, Yes or Retry).
class FakePrompter final : public Prompter {
  public:
    void answerNext(Answer answer) { script_.push_back(answer); }
    const std::vector<Message>& shown() const { return shown_; }
    const Message& last() const { return shown_.back(); }
    // Runs while a box is "open", as the user could act meanwhile in a real program.
    std::function<void(const Message&)> onShow;

  protected:
    Answer show(const Message& message) override {
        shown_.push_back(message);
        if (onShow) {
            onShow(message);
        }
        if (!script_.empty()) {
            const Answer answer = script_.front();
            script_.pop_front();
            return answer;
        }
        switch (message.buttons) {
            case Buttons::YesNo:
                return Answer::Yes;
            case Buttons::RetryCancel:
                return Answer::Retry;
            default:
                return Answer::Ok;
        }
    }

  private:
    std::deque<Answer> script_;
    std::vector<Message> shown_;
};

class FakeScreen final : public Screen {
  public:
    FakeScreen(int width = 800, int height = 600, int twipsPerPixel = 15)
        : width_(width), height_(height), twips_(twipsPerPixel) {}
    void resize(int width, int height) {
        width_ = width;
        height_ = height;
    }
    void setTwipsPerPixel(int twips) { twips_ = twips; }
    int widthPixels() const override { return width_; }
    int heightPixels() const override { return height_; }
    int twipsPerPixelX() const override { return twips_; }
    int twipsPerPixelY() const override { return twips_; }
    void setPointer(Pointer pointer) override {
        pointer_ = pointer;
        pointers.push_back(pointer);
    }
    Pointer pointer() const override { return pointer_; }
    std::vector<Pointer> pointers;

  private:
    int width_;
    int height_;
    int twips_;
    Pointer pointer_ = Pointer::Default;
};

struct ProcessCall {
    std::string program;
    std::vector<std::string> args;
    bool waited = false;
};

class FakeProcessRunner final : public ProcessRunner {
  public:
    void start(const std::string& program, const std::vector<std::string>& args) override {
        record(program, args, false);
    }
    int startAndWait(const std::string& program, const std::vector<std::string>& args) override {
        record(program, args, true);
        if (whileWaiting) {
            whileWaiting(calls.back());
        }
        return exitCode;
    }
    // Runs while a program started with startAndWait runs, as window events do.
    std::function<void(const ProcessCall&)> whileWaiting;
    std::vector<ProcessCall> calls;
    int exitCode = 0;
    bool failToStart = false;

  private:
    void record(const std::string& program, const std::vector<std::string>& args, bool waited) {
        if (failToStart) {
            throw ProcessError("Cannot start " + program);
        }
        calls.push_back({program, args, waited});
    }
};

class FakeWindowOrder final : public WindowOrder {
  public:
    void setAlwaysOnTop(QWidget& window, TopMode mode) override {
        calls.emplace_back(&window, mode);
    }
    std::vector<std::pair<QWidget*, TopMode>> calls;
};

class FakeHelpViewer final : public HelpViewer {
  public:
    void registerHelpFile(const std::string& hostPath) override { file = hostPath; }
    std::string helpFile() const override { return file; }
    // Throws as the real help does when the registered file is not there.
    void showContents() override {
        if (file.empty() || !std::filesystem::is_regular_file(file)) {
            throw std::runtime_error("Cannot open the help file " + file);
        }
        ++contentsShown;
    }
    void quit() override { ++quits; }
    std::string file;
    int contentsShown = 0;
    int quits = 0;
};

class FakeInstanceGuard final : public InstanceGuard {
  public:
    explicit FakeInstanceGuard(bool otherInstanceRunning = false)
        : otherInstanceRunning_(otherInstanceRunning) {}
    bool acquire() override { return !otherInstanceRunning_; }

  private:
    bool otherInstanceRunning_;
};

// Records the device's settings and operations in order, as the real device receives them:
// {"close", "type WaveAudio", "file /disc/wav/taxi.wav", "open", "play"}; a display window
// is recorded as "display" (or "display none"). An operation named in failOn throws
// MediaError instead of taking effect; play() with nothing open throws as the real one does.
class FakeMediaDevice final : public MediaDevice {
  public:
    void setDeviceType(DeviceType type) override {
        record("type " + std::string(DeviceTypeName(type)));
        deviceType = type;
    }
    void setFileName(const std::string& hostPath) override {
        record("file " + hostPath);
        fileName = hostPath;
    }
    void setDisplayWindow(QWidget* window) override {
        record(window ? "display" : "display none");
        display = window;
    }
    void open() override {
        record("open");
        mode_ = DeviceMode::Stopped;
    }
    void play() override {
        record("play");
        if (mode_ == DeviceMode::NotOpen) {
            throw MediaError("Nothing is open to play.");
        }
        mode_ = DeviceMode::Playing;
    }
    void pause() override { change("pause", DeviceMode::Paused); }
    void stop() override { change("stop", DeviceMode::Stopped); }
    void prev() override { change("prev", DeviceMode::Stopped); }
    void close() override {
        record("close");
        mode_ = DeviceMode::NotOpen;
    }
    DeviceMode mode() const override { return mode_; }
    void setModeListener(ModeListener listener) override { listener_ = std::move(listener); }

    // The media plays to its end, or breaks off with `failure`.
    void finishPlaying(const std::string& failure = {}) {
        mode_ = DeviceMode::Stopped;
        if (listener_) {
            listener_(mode_, failure);
        }
    }

    std::vector<std::string> operations;
    std::set<std::string> failOn;
    DeviceType deviceType = DeviceType::WaveAudio;
    std::string fileName;
    QWidget* display = nullptr;

  private:
    void record(const std::string& operation) {
        operations.push_back(operation);
        const std::string name = operation.substr(0, operation.find(' '));
        if (failOn.count(name) != 0) {
            throw MediaError("scripted failure of " + name);
        }
    }
    void change(const std::string& operation, DeviceMode mode) {
        record(operation);
        if (mode_ != DeviceMode::NotOpen) {
            mode_ = mode;
        }
    }

    DeviceMode mode_ = DeviceMode::NotOpen;
    ModeListener listener_;
};

}  // namespace velocarta::testing
