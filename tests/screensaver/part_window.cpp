#include "part_window.h"

#include <QMenuBar>

namespace velocarta::testing {

PartWindow::PartWindow(Program& program, OfferPhotoCopy offer) : layout_(DesignLayout()) {
    setObjectName(QStringLiteral("PartWindow"));
    surface_ = new QWidget(this);
    setCentralWidget(surface_);
    QMenu* file = menuBar()->addMenu(QStringLiteral("File"));
    menu_.emplace("mnuSaver", file->addAction(QStringLiteral("Install Screen saver")));
    viewer_ = std::make_unique<TextViewer>(program, *this);
    part_ = std::make_unique<ScreenSaver>(program, *this, *viewer_, std::move(offer));
    part_->applyLayout(layout_);
    resize(800, 600);
    show();
}

PartWindow::~PartWindow() {
    part_.reset();
    viewer_.reset();
}

QAction* PartWindow::menuEntry(std::string_view name, int) const {
    const auto found = menu_.find(name);
    return found == menu_.end() ? nullptr : found->second;
}

void PartWindow::onMenu(std::string_view name, std::function<void(int)> handler) {
    QAction* entry = menuEntry(name);
    if (entry == nullptr) {
        return;
    }
    connect(entry, &QAction::triggered, this, [handler = std::move(handler)] { handler(-1); });
}

}  // namespace velocarta::testing
