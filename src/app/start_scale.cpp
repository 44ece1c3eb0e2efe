#include "app/start_scale.h"

#include <QGuiApplication>
#include <QScreen>
#include <memory>
#include <vector>

namespace velocarta {

namespace {

constexpr const char* kScaleVariable = "QT_SCALE_FACTOR";

struct ScreenSizes {
    Size screen;
    Size available;
};

// The primary screen in Qt's logical pixels, as a program started now would have it. Qt
// takes its own options (-platform, -display) from a copy of the command line.
std::optional<ScreenSizes> MeasurePrimaryScreen(int argc, char** argv) {
    std::vector<char*> arguments(argv, argv + argc);
    arguments.push_back(nullptr);
    int count = argc;
    const auto probe = std::make_unique<QGuiApplication>(count, arguments.data());
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (screen == nullptr) {
        return std::nullopt;
    }
    const QSize size = screen->size();
    const QSize available = screen->availableGeometry().size();
    return ScreenSizes{{size.width(), size.height()}, {available.width(), available.height()}};
}

}  // namespace

StartScale::StartScale(const ScaleChoice& choice, int argc, char** argv) {
    if (choice.fitted) {
        if (const auto sizes = MeasurePrimaryScreen(argc, argv)) {
            factor_ = FittedScale(sizes->screen, sizes->available);
        }
    } else {
        factor_ = choice.factor;
    }
    if (factor_ == 1.0) {
        return;
    }
    double desktop = 1.0;
    if (qEnvironmentVariableIsSet(kScaleVariable)) {
        previous_ = qgetenv(kScaleVariable);
        bool valid = false;
        const double given = previous_->toDouble(&valid);
        if (valid && given > 0) {
            desktop = given;
        }
    }
    qputenv(kScaleVariable, QByteArray::fromStdString(ScaleText(desktop * factor_)));
    changed_ = true;
}

void StartScale::restoreEnvironment() {
    if (!changed_) {
        return;
    }
    if (previous_) {
        qputenv(kScaleVariable, *previous_);
    } else {
        qunsetenv(kScaleVariable);
    }
    changed_ = false;
}

}  // namespace velocarta
