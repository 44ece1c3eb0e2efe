#pragma once

#include <string>

namespace velocarta {

// The product's help. RegisterHelp names the help file; QuitHelp closes what is open of it.
class HelpViewer {
  public:
    virtual ~HelpViewer() = default;
    virtual void registerHelpFile(const std::string& hostPath) = 0;
    virtual std::string helpFile() const = 0;
    // Opens the contents of the registered help file; throws std::runtime_error when it
    // cannot be read.
    virtual void showContents() = 0;
    virtual void quit() = 0;
};

}  // namespace velocarta
