#pragma once

#include <QFlags>
#include <QHash>
#include <QObject>
#include <QString>

class QAction;

// Where a command's update-UI state applies: its menu item, its tool-bar
// button, or both. The two are separate actions so that, for example, the
// 100 % button stays enabled while its menu item is greyed out.
enum class UiTarget : unsigned { Menu = 1, ToolBar = 2 };
Q_DECLARE_FLAGS(UiTargets, UiTarget)
Q_DECLARE_OPERATORS_FOR_FLAGS(UiTargets)

// One menu action and one tool-bar action per command id, with the texts of
// the string table; triggering either emits commandTriggered with the id.
class CommandTable : public QObject {
    Q_OBJECT
public:
    // The actions are children of owner and die with it.
    explicit CommandTable(QObject *owner);

    // The menu item of the command, made on first use with the menu text
    // (a "\t" in it shows the key name right-aligned) and the command's
    // status help as status tip.
    QAction *MenuAction(int id, const QString &menuText);
    // The tool-bar button of the command, made on first use with its image:
    // its tool tip is the part of the command string after "\n".
    QAction *ToolBarAction(int id);

    // Null when the action has not been made.
    QAction *FindMenuAction(int id) const { return menu_.value(id); }
    QAction *FindToolBarAction(int id) const { return toolBar_.value(id); }

    // Update-UI: applied only to the named targets.
    void Enable(int id, bool enabled, UiTargets targets);
    void Check(int id, bool checked, UiTargets targets);

signals:
    void commandTriggered(int commandId);

private:
    QAction *Make(int id);

    QObject *owner_;
    QHash<int, QAction *> menu_;
    QHash<int, QAction *> toolBar_;
};
