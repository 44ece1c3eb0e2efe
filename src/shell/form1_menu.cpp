// The main window's menu bar, built from the menu table.
#include <QAction>
#include <QMenu>
#include <QMenuBar>

#include "shell/form1.h"
#include "shell/menu_table.h"

namespace velocarta {

namespace {

QString ObjectNameOf(const MenuEntry& entry) {
    QString name = QString::fromUtf8(entry.name.data(), static_cast<int>(entry.name.size()));
    if (entry.index >= 0) {
        name += QStringLiteral("_%1").arg(entry.index);
    }
    return name;
}

}  // namespace

void Form1::BuildMenuBar() {
    const auto entries = MenuBarEntries();
    QMenu* menu = nullptr;     // the menu of the last level-0 entry
    QMenu* submenu = nullptr;  // the submenu of the last level-1 entry
    for (std::size_t i = 0; i < entries.size(); ++i) {
        const MenuEntry& entry = entries[i];
        const bool hasChildren = i + 1 < entries.size() && entries[i + 1].level > entry.level;
        const QString caption =
            QString::fromUtf8(entry.caption.data(), static_cast<int>(entry.caption.size()));
        QAction* action = nullptr;
        if (entry.level == 0) {
            if (hasChildren) {
                menu = menuBar()->addMenu(caption);
                menu->setObjectName(ObjectNameOf(entry));
                action = menu->menuAction();
            } else {
                action = menuBar()->addAction(caption);
                menu = nullptr;
            }
        } else {
            QMenu* parent = entry.level == 1 ? menu : submenu;
            if (entry.caption == "-") {
                action = parent->addSeparator();
            } else if (hasChildren) {
                submenu = parent->addMenu(caption);
                submenu->setObjectName(ObjectNameOf(entry));
                action = submenu->menuAction();
            } else {
                action = parent->addAction(caption);
            }
        }
        action->setObjectName(ObjectNameOf(entry));
        action->setEnabled(entry.enabled);
        action->setVisible(entry.visible);
        menu_[{std::string(entry.name), entry.index}] = action;
    }
}

QAction* Form1::menuEntry(std::string_view name, int index) const {
    const auto it = menu_.find({std::string(name), index});
    return it == menu_.end() ? nullptr : it->second;
}

void Form1::onMenu(std::string_view name, std::function<void(int)> handler) {
    for (const auto& [key, action] : menu_) {
        if (key.first == name) {
            const int index = key.second;
            connect(action, &QAction::triggered, this, [handler, index] { handler(index); });
        }
    }
}

}  // namespace velocarta
