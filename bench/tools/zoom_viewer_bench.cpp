// The zoom viewer on a large advertisement (4000 by 6000 pixels) on a 1024 by 768 screen.
// A scroll step is what the user waits for when a scroll bar moves: the full-size picture
// moved and the viewport painted and flushed; no rescale happens. Switching views is a
// left click on the picture, painted. One frame at 60 Hz is 16.7 ms.
//
// Runs offscreen unless a platform is chosen (QT_QPA_PLATFORM=xcb on an X server adds the
// transfer to the server).
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QImageWriter>
#include <QPainter>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

#include "app/system_services.h"
#include "program/main_window.h"
#include "program/program.h"
#include "tools/zoom_viewer/zoom_viewer.h"
#include "yearimages/picture_file.h"

namespace {

using namespace velocarta;

constexpr QSize kScreen(1024, 768);
constexpr QSize kAdvertisement(4000, 6000);

class BenchScreen final : public Screen {
  public:
    int widthPixels() const override { return kScreen.width(); }
    int heightPixels() const override { return kScreen.height(); }
    int twipsPerPixelX() const override { return 15; }
    int twipsPerPixelY() const override { return 15; }
    void setPointer(Pointer) override {}
    Pointer pointer() const override { return Pointer::Default; }
};

// The main window as far as the viewer sees it: a window it disables and enables.
class BenchMainWindow final : public MainWindow {
  public:
    QWidget* widget() override { return &window_; }
    QWidget* surface() override { return &window_; }
    QWidget* yearFrame() override { return &window_; }
    const MainLayout& layout() const override { return layout_; }
    QAction* menuEntry(std::string_view, int) const override { return nullptr; }
    void onMenu(std::string_view, std::function<void(int)>) override {}
    void onFormClick(std::function<void()>) override {}
    void onFormLostFocus(std::function<void()>) override {}
    void focusYearButton(int) override {}

  private:
    QWidget window_;
    MainLayout layout_ = DesignLayout();
};

// A picture with detail everywhere, so that neither painting nor JPEG coding is trivial.
QImage Advertisement() {
    QImage image(kAdvertisement, QImage::Format_RGB32);
    QPainter painter(&image);
    QLinearGradient gradient(0, 0, kAdvertisement.width(), kAdvertisement.height());
    gradient.setColorAt(0, QColor(200, 40, 30));
    gradient.setColorAt(1, QColor(20, 60, 160));
    painter.fillRect(image.rect(), gradient);
    painter.setPen(QPen(Qt::white, 3));
    for (int i = 0; i < kAdvertisement.height(); i += 37) {
        painter.drawLine(0, i, kAdvertisement.width(), (i * 7) % kAdvertisement.height());
    }
    return image;
}

struct Rig {
    SystemServices system;
    BenchScreen screen;
    Services services = ServicesWith(system, {.screen = &screen, .endProgram = [] {}});
    Program program{services, QDir::tempPath().toStdString(), ""};
    BenchMainWindow mainWindow;
    ZoomViewer viewer{program, mainWindow};
    QPixmap picture = QPixmap::fromImage(Advertisement());

    QWidget* window = nullptr;
    QScrollBar* down = nullptr;
    QScrollBar* across = nullptr;
    QWidget* fitted = nullptr;
    QWidget* fullSize = nullptr;

    void open(const char* yearCaption = "1985") {
        viewer.Open(picture, "The Vantrel Velocarta    1985 Advertisement", yearCaption);
        for (QWidget* top : QApplication::topLevelWidgets()) {
            if (top->objectName() == QLatin1String("frmScroll") && top->isVisible()) {
                window = top;
            }
        }
        down = window->findChild<QScrollBar*>(QStringLiteral("VScroll1"));
        across = window->findChild<QScrollBar*>(QStringLiteral("HScroll1"));
        fitted = window->findChild<QWidget*>(QStringLiteral("Image1"));
        fullSize = window->findChild<QWidget*>(QStringLiteral("picChild"));
        settle();
    }
    static void settle() {
        QCoreApplication::processEvents();
        QCoreApplication::processEvents();
    }
};

Rig& TheRig() {
    static Rig rig;
    return rig;
}

// Counts the paints of one view.
class PaintCounter : public QObject {
  public:
    int paints = 0;
    bool eventFilter(QObject*, QEvent* event) override {
        paints += event->type() == QEvent::Paint ? 1 : 0;
        return false;
    }
    // Lets the window's events run until the view has been painted once more (the paint
    // and its flush to the window); gives up after a generous number of rounds.
    void waitForPaint() {
        const int before = paints;
        for (int round = 0; round < 100 && paints == before; ++round) {
            QCoreApplication::processEvents();
        }
    }
};

void ScrollSteps(benchmark::State& state, bool page) {
    Rig& rig = TheRig();
    rig.open();
    PaintCounter counter;
    rig.fullSize->installEventFilter(&counter);
    QScrollBar* bar = rig.down;
    const int step = page ? bar->pageStep() : bar->singleStep();
    int direction = 1;
    for (auto _ : state) {
        int next = bar->value() + direction * step;
        if (next > bar->maximum() || next < 0) {
            direction = -direction;
            next = bar->value() + direction * step;
        }
        bar->setValue(next);
        counter.waitForPaint();
    }
    state.counters["step_px"] = step;
    state.counters["paints_per_step"] =
        benchmark::Counter(counter.paints, benchmark::Counter::kAvgIterations);
    rig.fullSize->removeEventFilter(&counter);
    rig.viewer.Close();
    Rig::settle();
}

void BM_ScrollPageStep(benchmark::State& state) {
    ScrollSteps(state, true);
}
BENCHMARK(BM_ScrollPageStep)->Unit(benchmark::kMillisecond);

void BM_ScrollArrowStep(benchmark::State& state) {
    ScrollSteps(state, false);
}
BENCHMARK(BM_ScrollArrowStep)->Unit(benchmark::kMillisecond);

// A left click on the full-size picture (zoom out) or on the fitted one (zoom in), with
// the paint that follows. The fitted picture is stretched once, on the first zoom out of
// an opening; this measures the switches after it.
void Switch(benchmark::State& state, bool zoomOut) {
    Rig& rig = TheRig();
    rig.open();
    QTest::mouseClick(rig.fullSize, Qt::LeftButton);  // the one stretch
    Rig::settle();
    QTest::mouseClick(rig.fitted, Qt::LeftButton);
    Rig::settle();
    // The view switched to is painted in every switch.
    PaintCounter counter;
    QWidget* shown = zoomOut ? rig.fitted : rig.fullSize;
    shown->installEventFilter(&counter);
    for (auto _ : state) {
        state.PauseTiming();
        if (!zoomOut) {
            QTest::mouseClick(rig.fullSize, Qt::LeftButton);
            Rig::settle();
        }
        state.ResumeTiming();
        QTest::mouseClick(zoomOut ? rig.fullSize : rig.fitted, Qt::LeftButton);
        counter.waitForPaint();
        state.PauseTiming();
        if (zoomOut) {
            QTest::mouseClick(rig.fitted, Qt::LeftButton);
            Rig::settle();
        }
        state.ResumeTiming();
    }
    shown->removeEventFilter(&counter);
    state.counters["paints_per_switch"] =
        benchmark::Counter(counter.paints, benchmark::Counter::kAvgIterations);
    rig.viewer.Close();
    Rig::settle();
}

void BM_SwitchToFittedView(benchmark::State& state) {
    Switch(state, true);
}
BENCHMARK(BM_SwitchToFittedView)->Unit(benchmark::kMillisecond);

void BM_SwitchToFullSizeView(benchmark::State& state) {
    Switch(state, false);
}
BENCHMARK(BM_SwitchToFullSizeView)->Unit(benchmark::kMillisecond);

// The first zoom out of an opening, which stretches the picture to the fitted view once.
void BM_FirstSwitchToFittedView(benchmark::State& state) {
    Rig& rig = TheRig();
    for (auto _ : state) {
        state.PauseTiming();
        rig.open();
        state.ResumeTiming();
        PaintCounter counter;
        rig.fitted->installEventFilter(&counter);
        QTest::mouseClick(rig.fullSize, Qt::LeftButton);
        counter.waitForPaint();
        state.PauseTiming();
        rig.fitted->removeEventFilter(&counter);
        rig.viewer.Close();
        Rig::settle();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_FirstSwitchToFittedView)->Unit(benchmark::kMillisecond);

// What the Advertisement button waits for: the JPEG read and decoded at full size, the
// viewer opened and painted.
void BM_OpenAdvertisement(benchmark::State& state) {
    Rig& rig = TheRig();
    QTemporaryDir folder;
    QImageWriter writer(folder.filePath(QStringLiteral("85hava00.jpg")));
    writer.setQuality(85);
    writer.write(Advertisement());
    const ContentFile file{folder.path().toStdString(), "/85hava00.jpg"};
    for (auto _ : state) {
        QImage image = LoadPictureFile(rig.system.fileSystem, file);
        rig.viewer.Open(QPixmap::fromImage(std::move(image)), "bench", "1985");
        Rig::settle();
        state.PauseTiming();
        rig.viewer.Close();
        Rig::settle();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_OpenAdvertisement)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
