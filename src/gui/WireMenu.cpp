#include "gui/WireMenu.h"

#include "gui/QtPlatform.h"
#include "model/Translate.h"

#include <QMenu>

namespace fup::gui {

namespace {

void addItems(QMenu& menu, WireCommands& commands, TKante& element, const std::vector<WireMenuItem>& items)
{
    for (const WireMenuItem& item : items) {
        if (!item.submenu.empty()) {
            QMenu* sub = menu.addMenu(qs(tx(item.caption)));
            addItems(*sub, commands, element, item.submenu);
            continue;
        }
        QAction* action = menu.addAction(qs(tx(item.caption)));
        // The element outlives the menu (the document keeps every element); carryOut
        // checks that it is still in use when the entry is chosen.
        QObject::connect(action, &QAction::triggered, &menu,
                         [&commands, &element, item] { commands.carryOut(element, item); });
    }
}

} // namespace

void fillWireMenu(QMenu& menu, WireCommands& commands, TKante& element, WireMenuPlace place)
{
    addItems(menu, commands, element, commands.menu(element, place));
}

void execWireMenu(QWidget* parent, WireCommands& commands, TKante& element, WireMenuPlace place,
                  const QPoint& globalPos)
{
    QMenu menu(parent);
    fillWireMenu(menu, commands, element, place);
    if (!menu.isEmpty())
        menu.exec(globalPos);
}

} // namespace fup::gui
