#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "mediastore/copy_kind.h"
#include "platform/disk_space.h"
#include "platform/prompter.h"

namespace velocarta {

// A whole number with thousands separators and no leading zeros ("###,###,###"):
// 42000000 gives "42,000,000"; zero gives the empty text.
std::string FormatThousands(std::int64_t value);

// The message when the disk has less free space than a copy needs. It speaks of photos for
// both kinds.
Message ShortageMessage(std::int64_t freeBytes, std::int64_t requiredBytes);

// Shown when the disk cannot be measured, before the shortage message.
inline constexpr std::string_view kDiskQueryFailed = "Internal GetDisk error!";

// The disk's size and free space in units of 1024 bytes, as the copy panel reckons them:
// (clusters ÷ 1024, the remainder dropped) × sectors per cluster × bytes per sector. Both
// are 0 when the disk could not be measured.
struct DiskSpaceFigures {
    bool measured = false;
    std::int64_t total = 0;
    std::int64_t free = 0;
};

// Measures the disk that holds the folder named by `drive` (the program folder, where the
// copies go) and writes the root of the file system actually measured back into `drive`.
DiskSpaceFigures GetDiskSpace(DiskSpace& disks, std::string& drive);

// What the copy panel shows before a copy, and whether it may be shown at all.
struct CopyPanelSetup {
    std::string heading;     // Label2
    std::string copyButton;  // cmdCopy
    std::int64_t requiredBytes = 0;
    // Free bytes: the measured free figure × 1000 (the panel counts it so).
    std::int64_t freeBytes = 0;
    // Messages to show first, in order ("Internal GetDisk error!", the shortage message).
    std::vector<Message> messages;
    // Enough space: show the panel with both gauges at 0, both buttons enabled and the focus
    // on Cancel. Otherwise the panel stays hidden.
    bool showPanel = false;
};

// The free-space check of the copy panel for a kind; the copies go to programFolder. Free
// space exactly equal to the need is enough.
CopyPanelSetup PrepareCopyPanel(CopyKind kind, DiskSpace& disks, const std::string& programFolder);

}  // namespace velocarta
