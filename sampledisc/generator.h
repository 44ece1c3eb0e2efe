#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "sampledisc/disc_plan.h"

namespace velocarta::sampledisc {

struct GeneratorInput {
    std::filesystem::path discDir;
    std::filesystem::path programDir;
    std::filesystem::path textsDir;
};

struct GenerationSummary {
    std::size_t discFiles = 0;
    std::uintmax_t discBytes = 0;
    std::size_t programFiles = 0;
};

// The texts of the plan that are not in the texts folder.
std::vector<std::string> MissingTexts(const DiscPlan& plan, const std::filesystem::path& textsDir);

// Two paths of one folder that differ only in letter case would be one file on a disc
// that ignores case; returns the first such pair ("" when there is none).
std::string CaseClash(const DiscPlan& plan);

// Writes the whole disc into `discDir` and the program-folder files into `programDir`.
// The disc's own folders are emptied first; nothing else in either folder is touched.
// Every text is read and checked before anything is written. Throws std::runtime_error with
// a message for the user (a missing or malformed text, an unwritable folder).
GenerationSummary GenerateSampleDisc(const GeneratorInput& input);

}  // namespace velocarta::sampledisc
