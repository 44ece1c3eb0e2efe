#pragma once
// The sample disc as the generator program writes it, generated once for a whole suite, and
// the names the program will ask it for.

#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "content/naming.h"
#include "content/text.h"
#include "support/temp_folder.h"

namespace velocarta::testing {

namespace fs = std::filesystem;

std::string ReadFile(const fs::path& path);
// The argument quoted for the shell.
std::string Quote(const std::string& arg);

struct GeneratorRun {
    int exitCode = -1;
    std::string output;
    std::string errors;
};

// Runs the generator program; its output and errors go through files of `logs`.
GeneratorRun Generate(const std::vector<std::string>& args, const fs::path& logs);

// The files of a disc, found as the program finds them: below the root, without regard
// to letter case.
class DiscIndex {
  public:
    explicit DiscIndex(fs::path root) : root_(std::move(root)) {
        for (const auto& entry : fs::recursive_directory_iterator(root_)) {
            if (entry.is_regular_file()) {
                const std::string rel = "/" + fs::relative(entry.path(), root_).string();
                files_.emplace(AsciiLower(rel), rel);
            }
        }
    }
    std::optional<fs::path> find(std::string_view rel) const {
        const auto it = files_.find(AsciiLower(rel));
        if (it == files_.end()) {
            return std::nullopt;
        }
        asked_.insert(it->first);
        return root_ / it->second.substr(1);
    }
    const std::string& spelling(std::string_view rel) const { return files_.at(AsciiLower(rel)); }
    const std::map<std::string, std::string>& files() const { return files_; }
    const std::set<std::string>& asked() const { return asked_; }
    const fs::path& root() const { return root_; }

  private:
    fs::path root_;
    std::map<std::string, std::string> files_;  // lower-cased path -> path as written
    mutable std::set<std::string> asked_;
};

constexpr int kMaxDiscBytes = 40 * 1000 * 1000;

// The topic photos other parts of the system rely on.
struct TopicPhotos {
    const char* code;
    std::vector<const char*> names;
};
const std::vector<TopicPhotos>& ExpectedTopicPhotos();
// Documents the menus and panels open, spelled as the program asks for them.
const std::vector<std::string>& FixedDocuments();
const std::vector<std::string>& Movies();
const std::vector<std::string>& Sounds();
std::vector<std::string> YearCaptions();
int YearOf(const std::string& caption);
// The title line of a source text, without its label.
std::string TextTitle(const fs::path& text);

class SampleDisc : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        folder_ = new TempFolder;
        const fs::path root = folder_->path();
        first_ = new GeneratorRun(Generate({(root / "disc1").string(), (root / "program1").string(),
                                            "--texts", VELOCARTA_SAMPLE_TEXTS_DIR},
                                           root));
        if (fs::exists(root / "disc1")) {
            disc_ = new DiscIndex(root / "disc1");
        }
    }
    static void TearDownTestSuite() {
        delete disc_;
        delete first_;
        delete folder_;
        disc_ = nullptr;
    }
    void SetUp() override {
        ASSERT_EQ(first_->exitCode, 0) << first_->errors;
        ASSERT_NE(disc_, nullptr);
    }

    static fs::path Program() { return fs::path(folder_->path()) / "program1"; }
    static const DiscIndex& Disc() { return *disc_; }
    static void ExpectFile(const ContentFile& file, std::string_view why) {
        EXPECT_TRUE(Disc().find(file.rel)) << why << ": " << file.rel;
    }

    static TempFolder* folder_;
    static GeneratorRun* first_;
    static DiscIndex* disc_;
};

}  // namespace velocarta::testing
