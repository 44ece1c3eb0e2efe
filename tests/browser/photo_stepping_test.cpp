#include "browser/photo_stepping.h"

#include <gtest/gtest.h>

#include <set>

namespace velocarta {
namespace {

// 64: entries 1-3, 65: 4 (one photo), 66: 5-8, A0: 9-10, PT: 11-13; no 67.
PhotoCatalogue Catalogue() {
    return PhotoCatalogue::FromNames(
        "/cd", {"64A.JPG", "64B.JPG", "64C.JPG", "65A.JPG", "66A.JPG", "66B.JPG", "66C.JPG",
                "66D.JPG", "A0A.JPG", "A0B.JPG", "PT002.JPG", "PT004.JPG", "PT006.JPG"});
}

// A pick leaves the first photo of the year on show with PhotoIndex 0; then each letter
// of `steps` is a step (N forward, P back). The result is the entries shown.
std::vector<int> Walk(const std::string& code, const std::string& steps,
                      const std::set<int>& broken = {}) {
    const PhotoCatalogue catalogue = Catalogue();
    StepState state;
    state.firstPhotoOnShow = true;
    std::vector<int> shown;
    auto show = [&](int k) {
        if (broken.count(k) != 0) {
            shown.push_back(-k);
            return false;
        }
        shown.push_back(k);
        return true;
    };
    for (char step : steps) {
        if (step == 'N') {
            NextPhoto(state, catalogue, "1966", code, show);
        } else {
            PreviousPhoto(state, catalogue, "1966", code, show);
        }
    }
    return shown;
}

TEST(PhotoSteps, SequencesShowTheExpectedPhotos) {
    struct Case {
        const char* code;
        const char* steps;
        std::vector<int> shown;
    };
    const Case cases[] = {
        // The first forward step passes over the photo the pick showed.
        {"66", "N", {6}},
        {"66", "NNN", {6, 7, 8}},
        // Past the last photo the year starts again at its first.
        {"66", "NNNN", {6, 7, 8, 5}},
        {"66", "NNNNNN", {6, 7, 8, 5, 6, 7}},
        // The first backward step wraps to the year's last photo.
        {"66", "P", {8}},
        {"66", "PPPP", {8, 7, 6, 5}},
        {"66", "PPPPP", {8, 7, 6, 5, 8}},
        // Turning round shows the neighbour: no photo is skipped or shown twice.
        {"66", "NPN", {6, 5, 6}},
        {"66", "NNPPN", {6, 7, 6, 5, 6}},
        {"66", "PNP", {8, 5, 8}},
        {"66", "PPNN", {8, 7, 8, 5}},
        // A year with one photo shows it again at every step.
        {"65", "N", {4}},
        {"65", "NNP", {4, 4, 4}},
        {"65", "PPN", {4, 4, 4}},
        // The first and the last run of the catalogue wrap the same way.
        {"64", "NNN", {2, 3, 1}},
        {"64", "PP", {3, 2}},
        {"PT", "NNNP", {12, 13, 11, 13}},
        {"A0", "NNP", {10, 9, 10}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Walk(c.code, c.steps), c.shown) << c.code << " " << c.steps;
    }
}

TEST(PhotoSteps, EveryStepStaysWithinItsYear) {
    // Every sequence of up to eight steps on every year: each shown photo is of that year,
    // and consecutive steps in one direction show consecutive photos of the run.
    const PhotoCatalogue catalogue = Catalogue();
    struct Run {
        std::string code;
        int first, last;
    };
    for (const Run& run :
         {Run{"64", 1, 3}, Run{"65", 4, 4}, Run{"66", 5, 8}, Run{"A0", 9, 10}, Run{"PT", 11, 13}}) {
        for (int mask = 0; mask < 256; ++mask) {
            std::string steps;
            for (int bit = 0; bit < 8; ++bit) {
                steps += (mask >> bit) & 1 ? 'N' : 'P';
            }
            const std::vector<int> shown = Walk(run.code, steps);
            ASSERT_EQ(shown.size(), steps.size());
            const int size = run.last - run.first + 1;
            int previous = run.first;  // the photo the pick showed
            for (std::size_t i = 0; i < shown.size(); ++i) {
                ASSERT_GE(shown[i], run.first) << run.code << " " << steps;
                ASSERT_LE(shown[i], run.last) << run.code << " " << steps;
                const int expected =
                    run.first + ((previous - run.first + (steps[i] == 'N' ? 1 : size - 1)) % size);
                ASSERT_EQ(shown[i], expected) << run.code << " " << steps << " step " << i;
                previous = shown[i];
            }
        }
    }
}

TEST(PhotoSteps, BookkeepingAfterEachStep) {
    const PhotoCatalogue catalogue = Catalogue();
    StepState state;
    state.firstPhotoOnShow = true;
    auto show = [](int) { return true; };
    StepOutcome outcome = NextPhoto(state, catalogue, "1966", "66", show);
    EXPECT_EQ(state, (StepState{6, 6, false, true, false}));
    EXPECT_EQ(outcome.kind, StepOutcome::Kind::Shown);
    EXPECT_FALSE(outcome.topicFocus);
    EXPECT_EQ(outcome.focusButton, 4);  // the button of 1967
    outcome = PreviousPhoto(state, catalogue, "1966", "66", show);
    // After a backward step PhotoIndex is one below the photo on show.
    EXPECT_EQ(state, (StepState{4, 5, false, false, true}));
    EXPECT_EQ(outcome.shownIndex, 5);
}

TEST(PhotoSteps, FocusAfterTopicsAnd2000IsButtonOne) {
    EXPECT_EQ(FocusButtonAfterPhoto("64"), 2);
    EXPECT_EQ(FocusButtonAfterPhoto("99"), 37);
    EXPECT_EQ(FocusButtonAfterPhoto("A0"), 1);
    EXPECT_EQ(FocusButtonAfterPhoto("PT"), 1);
    EXPECT_TRUE(IsTopicOr2000Code("A0"));
    EXPECT_TRUE(IsTopicOr2000Code("ZZ"));
    EXPECT_FALSE(IsTopicOr2000Code("99"));
    const PhotoCatalogue catalogue = Catalogue();
    StepState state;
    const StepOutcome outcome =
        NextPhoto(state, catalogue, "Early Vantrel Prototypes ", "PT", [](int) { return true; });
    EXPECT_TRUE(outcome.topicFocus);
    EXPECT_EQ(outcome.focusButton, 1);
}

TEST(PhotoSteps, NothingPickedOnlyFocusesTheFirstButton) {
    const PhotoCatalogue catalogue = Catalogue();
    StepState state;
    int shows = 0;
    auto show = [&shows](int) { return ++shows > 0; };
    for (auto step : {&NextPhoto, &PreviousPhoto}) {
        const StepOutcome outcome = step(state, catalogue, "panYear", "", show);
        EXPECT_EQ(outcome.kind, StepOutcome::Kind::NothingPicked);
        EXPECT_EQ(outcome.focusButton, 1);
    }
    EXPECT_EQ(shows, 0);
    EXPECT_EQ(state, StepState{});
}

TEST(PhotoSteps, AYearWithoutPhotosChangesNothing) {
    for (const PhotoCatalogue& catalogue : {Catalogue(), PhotoCatalogue()}) {
        StepState state{14, 14, true, false, true};
        const StepState before = state;
        for (auto step : {&NextPhoto, &PreviousPhoto}) {
            const StepOutcome outcome =
                step(state, catalogue, "1967", "67", [](int) -> bool { throw 1; });
            EXPECT_EQ(outcome.kind, StepOutcome::Kind::NoPhotos);
            EXPECT_EQ(state, before);
        }
    }
}

TEST(PhotoSteps, BrokenPhotos) {
    // Forward: the step stops at the broken photo and stays on it.
    EXPECT_EQ(Walk("66", "NN", {6}), (std::vector<int>{-6, 7}));
    // Backward: reported, and the next backward step goes on past it.
    EXPECT_EQ(Walk("66", "PP", {8}), (std::vector<int>{-8, 7}));
    EXPECT_EQ(Walk("66", "NPP", {6}), (std::vector<int>{-6, 5, 8}));
    const PhotoCatalogue catalogue = Catalogue();
    StepState state;
    state.firstPhotoOnShow = true;
    const StepOutcome next = NextPhoto(state, catalogue, "1966", "66", [](int) { return false; });
    EXPECT_EQ(next.kind, StepOutcome::Kind::Failed);
    EXPECT_EQ(state.photoIndex, 6);
    EXPECT_EQ(state.lastPhotoIndex, 0);  // not moved on
    const StepOutcome back =
        PreviousPhoto(state, catalogue, "1966", "66", [](int) { return false; });
    EXPECT_EQ(back.kind, StepOutcome::Kind::Failed);
    EXPECT_EQ(back.focusButton, 4);  // the focus still moves
    EXPECT_EQ(state.lastPhotoIndex, state.photoIndex + 1);
}

}  // namespace
}  // namespace velocarta
