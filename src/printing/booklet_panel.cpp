#include "printing/booklet_panel.h"

#include <QFrame>
#include <QListWidget>

namespace velocarta {

BookletPanel::BookletPanel(Program& /*program*/, MainWindow& mainWindow) {
    pnlPrint_ = new QFrame(mainWindow.surface());
    pnlPrint_->setObjectName(QStringLiteral("pnlPrint"));
    pnlPrint_->setAccessibleName(QStringLiteral("Print Vantrel Booklet"));
    for (int index = 0; index < 2; ++index) {
        List1_[index] = new QListWidget(pnlPrint_);
        List1_[index]->setObjectName(QStringLiteral("List1_%1").arg(index));
        List1_[index]->setAccessibleName(index == 0 ? QStringLiteral("From:")
                                                    : QStringLiteral("To:"));
    }
    pnlPrint_->hide();
}

void BookletPanel::FillYearLists() {
    for (int n = 0; n <= 36; ++n) {
        const QString year =
            n == 36 ? QStringLiteral("2000") : QStringLiteral("19") + QString::number(n + 64);
        List1_[0]->addItem(year);
        List1_[1]->addItem(year);
    }
}

}  // namespace velocarta
