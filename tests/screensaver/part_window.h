#pragma once

#include <QMainWindow>
#include <functional>
#include <map>
#include <memory>
#include <string>

#include "program/main_window.h"
#include "reading/text_viewer.h"
#include "screensaver/screen_saver.h"

namespace velocarta::testing {

// A main window that holds the screen saver's part alone, with a copy offer the test plays:
// the designed surface and layout, and a real menu bar with the part's entries.
class PartWindow : public QMainWindow, public MainWindow {
  public:
    PartWindow(Program& program, OfferPhotoCopy offer);
    ~PartWindow() override;

    QWidget* widget() override { return this; }
    QWidget* surface() override { return surface_; }
    QWidget* yearFrame() override { return surface_; }
    const MainLayout& layout() const override { return layout_; }
    QAction* menuEntry(std::string_view name, int index = -1) const override;
    void onMenu(std::string_view name, std::function<void(int index)> handler) override;
    void onFormClick(std::function<void()>) override {}
    void onFormLostFocus(std::function<void()>) override {}
    void focusYearButton(int) override {}

    ScreenSaver& part() { return *part_; }

  private:
    MainLayout layout_;
    QWidget* surface_;
    std::map<std::string, QAction*, std::less<>> menu_;
    std::unique_ptr<TextViewer> viewer_;
    std::unique_ptr<ScreenSaver> part_;
};

}  // namespace velocarta::testing
