#pragma once

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QString>
#include <optional>

// One entry of a menu template: a command item, a separator or a pop-up.
struct MenuItem {
    enum class Kind { Command, Separator, Popup };
    Kind kind = Kind::Command;
    int id = 0;            // command items only
    QString text;          // "\t" separates the key name, shown right-aligned
    QList<MenuItem> items; // pop-ups only
};

// The menu templates by id: {"menus": {"<id>": [item, ...]}}, an item being
// {"id": n, "text": t}, {"separator": true} or {"text": t, "items": [...]}.
class MenuResources {
public:
    static std::optional<MenuResources> Parse(const QByteArray &json);

    // The top-level items of a menu; empty for an unknown id.
    QList<MenuItem> Menu(int id) const { return menus_.value(id); }
    bool Contains(int id) const { return menus_.contains(id); }

private:
    QHash<int, QList<MenuItem>> menus_;
};

const MenuResources &AppMenus();
