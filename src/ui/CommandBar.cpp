#include "ui/CommandBar.h"

#include "ui/CommandTable.h"

#include <QAction>
#include <QCursor>
#include <QMenu>
#include <QToolBar>
#include <QToolButton>

namespace {

// A menu ended by a click elsewhere had the mouse to itself, so its title
// button never hears that the pointer left and stays drawn raised under a
// pointer that is long gone. Once the menu is away, the button is told where
// the pointer really is.
void ForgetStaleHover(QToolButton *button)
{
    if (!button->underMouse() || button->rect().contains(button->mapFromGlobal(QCursor::pos())))
        return;
    button->setAttribute(Qt::WA_UnderMouse, false);
    button->update();
}

} // namespace

QList<QMenu *> FillMenu(QMenu *menu, const QList<MenuItem> &items, CommandTable &commands,
                        const ToolBarTemplate &imageBar)
{
    QList<QMenu *> popups;
    for (const MenuItem &item : items) {
        switch (item.kind) {
        case MenuItem::Kind::Separator: menu->addSeparator(); break;
        case MenuItem::Kind::Command: {
            QAction *action = commands.MenuAction(item.id, item.text);
            if (imageBar.buttons.contains(item.id))
                action->setIcon(CommandIcon(item.id));
            menu->addAction(action);
            break;
        }
        case MenuItem::Kind::Popup: {
            QMenu *sub = menu->addMenu(item.text);
            popups.append(sub);
            popups.append(FillMenu(sub, item.items, commands, imageBar));
            break;
        }
        }
    }
    return popups;
}

QList<QMenu *> FillCommandBar(QToolBar *bar, const QList<MenuItem> &items, CommandTable &commands,
                              const ToolBarTemplate &imageBar)
{
    QList<QMenu *> popups;
    for (const MenuItem &item : items) {
        if (item.kind != MenuItem::Kind::Popup)
            continue;
        auto *menu = new QMenu(item.text, bar);
        FillMenu(menu, item.items, commands, imageBar);
        auto *button = new QToolButton(bar);
        button->setText(item.text);
        button->setMenu(menu);
        button->setPopupMode(QToolButton::InstantPopup);
        button->setToolButtonStyle(Qt::ToolButtonTextOnly);
        button->setAutoRaise(true);
        // The drop-down arrow of a tool button would make it look like a
        // button, not like a menu title.
        button->setStyleSheet(QStringLiteral("QToolButton::menu-indicator { image: none; width: 0px; }"));
        // After the menu's own hiding is done, not in the middle of it.
        QObject::connect(
            menu, &QMenu::aboutToHide, button, [button] { ForgetStaleHover(button); }, Qt::QueuedConnection);
        bar->addWidget(button);
        popups.append(menu);
    }
    return popups;
}

void FillToolBar(QToolBar *bar, const ToolBarTemplate &layout, CommandTable &commands,
                 const QHash<int, QWidget *> &controls)
{
    bar->setIconSize(layout.imageSize);
    for (int id : layout.buttons) {
        if (id == kToolBarSeparator)
            bar->addSeparator();
        else if (QWidget *control = controls.value(id))
            bar->addWidget(control);
        else
            bar->addAction(commands.ToolBarAction(id));
    }
}
