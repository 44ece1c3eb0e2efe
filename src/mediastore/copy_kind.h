#pragma once

#include <cstdint>
#include <string_view>

#include "platform/prompter.h"

namespace velocarta {

// What a copy or a removal handles: every photo or every movie of the disc.
enum class CopyKind { Photos, Movies };

// The fixed figures and texts of each kind.
struct CopyKindRules {
    // The bytes a copy needs free, and the 100 % mark of the overall gauge.
    std::int64_t nominalTotal;
    std::string_view heading;     // the copy panel's heading (Label2)
    std::string_view copyButton;  // the start button's caption (cmdCopy)
    // The folder under ContentPath and ProgramFolder, and the files a removal deletes.
    std::string_view folder;
    std::string_view pattern;
};
const CopyKindRules& RulesOf(CopyKind kind);

// The line break of every message.
inline constexpr std::string_view kCrLf = "\r\n";

// "Photos successfully copied!" with a line break, exclamation icon, OK.
Message CopiedMessage(CopyKind kind);

// Shown instead when some files could not be copied (each failure was reported on its own
// already); the files this copy added were taken away again.
Message NotAllCopiedMessage(CopyKind kind);

// The question when the target folder exists already: OK copies again, anything else
// declines.
Message AlreadyCopiedQuestion();
inline bool CopyDeclined(Answer answer) {
    return answer != Answer::Ok;
}

// A file that could not be copied: the system's description of the failure, OK button.
Message CopyFailureMessage(std::string_view description);

}  // namespace velocarta
