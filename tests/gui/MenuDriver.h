#pragma once

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QStringList>
#include <QTimer>

namespace fup::test {

// The entry of a menu, or of one of its submenus, with that caption.
inline QAction* findAction(QMenu& menu, const QString& text)
{
    for (QAction* action : menu.actions()) {
        if (action->text() == text)
            return action;
        if (QMenu* sub = action->menu())
            if (QAction* inner = findAction(*sub, text))
                return inner;
    }
    return nullptr;
}

// Chooses an entry of the popup menu that the next event opens, as soon as it is up; the
// captions it offered are kept in `offered` when given.
inline void chooseInNextMenu(const QString& text, QStringList* offered = nullptr, int attempts = 100)
{
    QTimer::singleShot(10, [text, offered, attempts] {
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        if (!menu) {
            if (attempts > 0)
                chooseInNextMenu(text, offered, attempts - 1);
            return;
        }
        if (offered)
            for (QAction* action : menu->actions())
                *offered << action->text();
        if (QAction* action = findAction(*menu, text))
            action->trigger();
        menu->close();
    });
}

inline void chooseInNextMenu(const QString& text, QStringList& offered)
{
    chooseInNextMenu(text, &offered);
}

} // namespace fup::test
