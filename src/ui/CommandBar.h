#pragma once

#include "ui/MenuResource.h"
#include "ui/ToolBarResource.h"

#include <QHash>
#include <QList>

class CommandTable;
class QMenu;
class QToolBar;
class QWidget;

// Fills a menu from a menu template: command items become the table's menu
// actions, pop-ups become sub-menus. Items whose id is a button of
// imageBar show that button's image. Returns the sub-menus in template
// order, depth first.
QList<QMenu *> FillMenu(QMenu *menu, const QList<MenuItem> &items, CommandTable &commands,
                        const ToolBarTemplate &imageBar = {});

// A menu drawn as a tool bar: one button per top-level pop-up of the
// template, each dropping down its menu at once. Returns the pop-up menus of
// the top level in order.
QList<QMenu *> FillCommandBar(QToolBar *bar, const QList<MenuItem> &items, CommandTable &commands,
                              const ToolBarTemplate &imageBar = {});

// Fills a tool bar from its template with the table's tool-bar actions;
// ids found in controls are replaced by those widgets (edit boxes), and 0
// is a separator.
void FillToolBar(QToolBar *bar, const ToolBarTemplate &layout, CommandTable &commands,
                 const QHash<int, QWidget *> &controls = {});
