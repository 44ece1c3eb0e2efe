#pragma once

#include <QPointer>

#include "platform/help_viewer.h"

class QTextBrowser;

namespace velocarta {

// The help file is an HTML document shown in a window of its own.
class QtHelpViewer final : public HelpViewer {
  public:
    ~QtHelpViewer() override;
    void registerHelpFile(const std::string& hostPath) override { helpFile_ = hostPath; }
    std::string helpFile() const override { return helpFile_; }
    void showContents() override;
    void quit() override;

  private:
    std::string helpFile_;
    QPointer<QTextBrowser> window_;
};

}  // namespace velocarta
