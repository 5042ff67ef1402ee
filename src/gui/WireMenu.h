#pragma once

#include "shell/WireCommands.h"

#include <QPoint>

class QMenu;
class QWidget;

namespace fup {
class TKante;
}

namespace fup::gui {

// Fills a popup menu with the wire entries the element offers where it was clicked (the
// captions translated); choosing one carries it out, asking for its text first.
void fillWireMenu(QMenu& menu, WireCommands& commands, TKante& element, WireMenuPlace place);

// Shows the wire popup menu at a global position; nothing when the element offers none.
void execWireMenu(QWidget* parent, WireCommands& commands, TKante& element, WireMenuPlace place,
                  const QPoint& globalPos);

} // namespace fup::gui
