#include "mediastore/free_space.h"

#include <limits>

namespace velocarta {

namespace {

constexpr std::int64_t kClusterGroup = 1024;
// The free figure counts in 1024-byte units; the panel turns it into bytes with 1000.
constexpr std::int64_t kBytesPerUnit = 1000;

// a × b × c, held at the largest value instead of wrapping round on a disk larger than
// any there is.
std::int64_t SaturatingProduct(std::uint64_t a, std::uint64_t b, std::uint64_t c) {
    constexpr auto kMax = static_cast<std::uint64_t>(std::numeric_limits<std::int64_t>::max());
    std::uint64_t product = 0;
    if (__builtin_mul_overflow(a, b, &product) || __builtin_mul_overflow(product, c, &product) ||
        product > kMax) {
        return static_cast<std::int64_t>(kMax);
    }
    return static_cast<std::int64_t>(product);
}

std::int64_t SaturatingTimes(std::int64_t value, std::int64_t factor) {
    std::int64_t product = 0;
    if (__builtin_mul_overflow(value, factor, &product)) {
        return std::numeric_limits<std::int64_t>::max();
    }
    return product;
}

}  // namespace

std::string FormatThousands(std::int64_t value) {
    if (value == 0) {
        return {};
    }
    // Digits of the magnitude, built unsigned so that the smallest value has one too.
    std::uint64_t magnitude =
        value < 0 ? 0 - static_cast<std::uint64_t>(value) : static_cast<std::uint64_t>(value);
    std::string reversed;
    for (int digits = 0; magnitude != 0; ++digits) {
        if (digits != 0 && digits % 3 == 0) {
            reversed.push_back(',');
        }
        reversed.push_back(static_cast<char>('0' + magnitude % 10));
        magnitude /= 10;
    }
    if (value < 0) {
        reversed.push_back('-');
    }
    return {reversed.rbegin(), reversed.rend()};
}

Message ShortageMessage(std::int64_t freeBytes, std::int64_t requiredBytes) {
    const std::string crLf(kCrLf);
    std::string text;
    text += "Not enough available hard disk space to copy photos." + crLf;
    text += crLf;
    text += "Free some up and try again." + crLf;
    text += crLf;
    text += "You have:  " + FormatThousands(freeBytes) + " bytes" + crLf;
    text += crLf;
    text += "You need:   " + FormatThousands(requiredBytes - freeBytes) + " bytes more" + crLf;
    text += crLf;
    text += "For a total of:   " + FormatThousands(requiredBytes) + " bytes free." + crLf;
    return {text, kProductTitle, Buttons::Ok, Icon::Critical};
}

DiskSpaceFigures GetDiskSpace(DiskSpace& disks, std::string& drive) {
    DiskGeometry geometry;
    try {
        geometry = disks.measure(drive);
    } catch (const DiskSpaceError&) {
        return {};
    }
    drive = geometry.root;
    DiskSpaceFigures figures;
    figures.measured = true;
    figures.total = SaturatingProduct(geometry.totalClusters / kClusterGroup,
                                      geometry.sectorsPerCluster, geometry.bytesPerSector);
    figures.free = SaturatingProduct(geometry.freeClusters / kClusterGroup,
                                     geometry.sectorsPerCluster, geometry.bytesPerSector);
    return figures;
}

CopyPanelSetup PrepareCopyPanel(CopyKind kind, DiskSpace& disks, const std::string& programFolder) {
    const CopyKindRules& rules = RulesOf(kind);
    CopyPanelSetup setup;
    setup.heading = rules.heading;
    setup.copyButton = rules.copyButton;
    setup.requiredBytes = rules.nominalTotal;

    std::string drive = programFolder;
    const DiskSpaceFigures figures = GetDiskSpace(disks, drive);
    if (!figures.measured) {
        setup.messages.push_back(
            {std::string(kDiskQueryFailed), kProductTitle, Buttons::Ok, Icon::None});
    }
    setup.freeBytes = SaturatingTimes(figures.free, kBytesPerUnit);
    if (setup.freeBytes < setup.requiredBytes) {
        setup.messages.push_back(ShortageMessage(setup.freeBytes, setup.requiredBytes));
        return setup;
    }
    setup.showPanel = true;
    return setup;
}

}  // namespace velocarta
