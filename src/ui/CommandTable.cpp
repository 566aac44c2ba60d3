#include "ui/CommandTable.h"

#include "ui/StringTable.h"
#include "ui/ToolBarResource.h"

#include <QAction>

CommandTable::CommandTable(QObject *owner) : owner_(owner) {}

QAction *CommandTable::Make(int id)
{
    auto *action = new QAction(owner_);
    action->setData(id);
    action->setStatusTip(SplitCommandPrompt(LoadString(id)).statusHelp);
    // The frame decides what a check mark means; Qt's own toggling on click
    // is undone by the next update-UI pass anyway.
    connect(action, &QAction::triggered, this, [this, id] { emit commandTriggered(id); });
    return action;
}

QAction *CommandTable::MenuAction(int id, const QString &menuText)
{
    if (QAction *existing = menu_.value(id))
        return existing;
    QAction *action = Make(id);
    action->setText(menuText);
    menu_.insert(id, action);
    return action;
}

QAction *CommandTable::ToolBarAction(int id)
{
    if (QAction *existing = toolBar_.value(id))
        return existing;
    QAction *action = Make(id);
    action->setIcon(CommandIcon(id));
    const CommandPrompt prompt = SplitCommandPrompt(LoadString(id));
    action->setText(prompt.toolTip.isEmpty() ? prompt.statusHelp : prompt.toolTip);
    action->setToolTip(prompt.toolTip);
    toolBar_.insert(id, action);
    return action;
}

void CommandTable::Enable(int id, bool enabled, UiTargets targets)
{
    if (targets.testFlag(UiTarget::Menu)) {
        if (QAction *action = menu_.value(id))
            action->setEnabled(enabled);
    }
    if (targets.testFlag(UiTarget::ToolBar)) {
        if (QAction *action = toolBar_.value(id))
            action->setEnabled(enabled);
    }
}

void CommandTable::Check(int id, bool checked, UiTargets targets)
{
    const auto apply = [checked](QAction *action) {
        if (!action)
            return;
        if (!action->isCheckable())
            action->setCheckable(true);
        action->setChecked(checked);
    };
    if (targets.testFlag(UiTarget::Menu))
        apply(menu_.value(id));
    if (targets.testFlag(UiTarget::ToolBar))
        apply(toolBar_.value(id));
}
