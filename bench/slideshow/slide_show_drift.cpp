// Plays the slide show of the real windows on the sample disc for 100 ticks at one second
// and reports how far each photo came to the screen from its ideal moment (Play + k
// seconds): the drift at the end, the latest photo, and the spread. A photo counts as on
// the screen when the photo control paints it. For comparison it also times the decode
// of a photo at the size the show draws it, which each tick would wait for if the next
// photo were not decoded ahead.
#include <QApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <numeric>
#include <vector>

#include "program/photo_cache.h"
#include "support/running_program.h"

namespace {

using Clock = std::chrono::steady_clock;
constexpr int kTicks = 100;
constexpr auto kDelay = std::chrono::milliseconds(1000);

double Ms(Clock::duration span) {
    return std::chrono::duration<double, std::milli>(span).count();
}

// Notes the moment each new counter text is first painted with its photo.
class PaintWatch : public QObject {
  public:
    PaintWatch(QWidget* photo, QLabel* counter) : photo_(photo), counter_(counter) {
        photo->installEventFilter(this);
    }
    std::vector<Clock::time_point> shown;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == photo_ && event->type() == QEvent::Paint && counter_->text() != last_) {
            last_ = counter_->text();
            shown.push_back(Clock::now());
        }
        return false;
    }

  private:
    QWidget* photo_;
    QLabel* counter_;
    QString last_;
};

QWidget* TopLevel(const QString& name) {
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (window->objectName() == name && window->isVisible()) {
            return window;
        }
    }
    return nullptr;
}

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("VELOCARTA_DRIVES", VELOCARTA_SAMPLE_DISC);
    QApplication app(argc, argv);
    using namespace velocarta;
    bench::RunningProgram running(VELOCARTA_PROGRAM_FOLDER);
    Program& program = running.program;
    Form1& form = *running.form;
    QTest::mouseClick(form.findChild<QPushButton*>(QStringLiteral("cmdYR_1")), Qt::LeftButton);
    form.menuEntry("mnuSlideShow")->trigger();
    QWidget* show = TopLevel(QStringLiteral("frmSlide"));
    if (show == nullptr) {
        std::fprintf(stderr, "the slide show did not open\n");
        return 1;
    }
    QWidget* photo = show->findChild<QWidget*>(QStringLiteral("Image1"));
    auto* counter = show->findChild<QLabel*>(QStringLiteral("pnlPhotoNumber"));
    QTest::qWait(500);

    // What one photo's decode at the show's size costs.
    const QSize target = photo->size() * photo->devicePixelRatioF();
    std::vector<double> decodes;
    for (int k = 1; k <= std::min(20, program.photos.count()); ++k) {
        QElapsedTimer timer;
        timer.start();
        PhotoCache::Decode(QString::fromStdString(program.photos.path(k)), target);
        decodes.push_back(static_cast<double>(timer.nsecsElapsed()) / 1e6);
    }

    PaintWatch watch(photo, counter);
    const Clock::time_point play = Clock::now();
    QTest::mouseClick(show->findChild<QPushButton*>(QStringLiteral("mmSlide_Play")),
                      Qt::LeftButton);
    const auto deadline = play + kDelay * (kTicks + 5);
    while (watch.shown.size() < static_cast<std::size_t>(kTicks) && Clock::now() < deadline) {
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
    }
    QTest::mouseClick(show->findChild<QPushButton*>(QStringLiteral("mmSlide_Pause")),
                      Qt::LeftButton);
    if (watch.shown.size() < static_cast<std::size_t>(kTicks)) {
        std::fprintf(stderr, "only %zu photos came to the screen\n", watch.shown.size());
        return 1;
    }

    std::vector<double> drift;
    for (int k = 1; k <= kTicks; ++k) {
        drift.push_back(Ms(watch.shown[static_cast<std::size_t>(k - 1)] - (play + kDelay * k)));
    }
    std::vector<double> sorted = drift;
    std::sort(sorted.begin(), sorted.end());
    const double mean = std::accumulate(drift.begin(), drift.end(), 0.0) / kTicks;
    const double decodeMean =
        std::accumulate(decodes.begin(), decodes.end(), 0.0) / static_cast<double>(decodes.size());
    std::printf("photos in the catalogue: %d, photo size on screen: %dx%d device pixels\n",
                program.photos.count(), target.width(), target.height());
    std::printf("decode of one photo at that size: mean %.1f ms, max %.1f ms\n", decodeMean,
                *std::max_element(decodes.begin(), decodes.end()));
    std::printf("%d ticks at 1 s, each photo's arrival on screen after its ideal moment:\n",
                kTicks);
    std::printf("  at the end (tick %d): %.2f ms\n", kTicks, drift.back());
    std::printf(
        "  latest: %.2f ms (tick %ld)\n", sorted.back(),
        static_cast<long>(std::max_element(drift.begin(), drift.end()) - drift.begin()) + 1);
    std::printf("  earliest: %.2f ms, mean %.2f ms, median %.2f ms, 95th percentile %.2f ms\n",
                sorted.front(), mean, sorted[kTicks / 2], sorted[kTicks * 95 / 100]);
    std::printf("  goal: under 20 ms at the end, no photo later than 50 ms: %s\n",
                drift.back() < 20.0 && sorted.back() <= 50.0 ? "met" : "NOT met");
    return 0;
}
