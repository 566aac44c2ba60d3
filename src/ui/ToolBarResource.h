#pragma once

#include <QByteArray>
#include <QHash>
#include <QIcon>
#include <QList>
#include <QSize>
#include <QString>
#include <optional>

// A tool bar template: its image size and its buttons in order, 0 standing
// for a separator. A button id may be replaced by a control (an edit box)
// when the bar is built.
struct ToolBarTemplate {
    QSize imageSize{16, 16};
    QList<int> buttons;
};

inline constexpr int kToolBarSeparator = 0;

// {"toolbars": {"<id>": {"imageSize": [w, h], "buttons": [...]}},
//  "icons": {"<command id>": "<file under icons/>"}}
class ToolBarResources {
public:
    static std::optional<ToolBarResources> Parse(const QByteArray &json);

    std::optional<ToolBarTemplate> ToolBar(int id) const;
    // The icon file of a command, relative to the resource prefix; empty when
    // the command has no image.
    QString IconFile(int commandId) const { return icons_.value(commandId); }
    QList<int> CommandsWithIcons() const { return icons_.keys(); }

private:
    QHash<int, ToolBarTemplate> toolBars_;
    QHash<int, QString> icons_;
};

const ToolBarResources &AppToolBars();

// The image of a command as drawn for the tool bars and the menus; a null
// icon for a command without one.
QIcon CommandIcon(int commandId);

// A named picture of our own under icons/ (application icon, star cells,
// picture-sequence buttons).
QIcon NamedIcon(const QString &name);
