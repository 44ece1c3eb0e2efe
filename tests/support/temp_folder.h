#pragma once

#include <string>
#include <string_view>

namespace velocarta::testing {

// A fresh folder under the system's temporary folder, removed with everything in it when
// the object goes.
class TempFolder {
  public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::string& path() const { return path_; }
    // Creates the folders of `rel` below the root ("/vantrels" or "a/b").
    std::string makeFolder(std::string_view rel) const;
    // Writes a file (creating its folders) and returns its host path.
    std::string writeFile(std::string_view rel, std::string_view contents = "x") const;

  private:
    std::string path_;
};

}  // namespace velocarta::testing
