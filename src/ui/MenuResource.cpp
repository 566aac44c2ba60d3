#include "ui/MenuResource.h"

#include "ui/JsonResource.h"

#include <QJsonArray>
#include <QJsonObject>

namespace {

// Menus nest only a few levels; a deeper template is a broken one, and the
// limit keeps a malformed file from recursing without end.
constexpr int kMaxMenuDepth = 8;

std::optional<QList<MenuItem>> ParseItems(const QJsonValue &value, int depth)
{
    if (!value.isArray() || depth > kMaxMenuDepth)
        return std::nullopt;
    QList<MenuItem> items;
    for (const QJsonValue &entry : value.toArray()) {
        if (!entry.isObject())
            return std::nullopt;
        const QJsonObject object = entry.toObject();
        MenuItem item;
        if (object.value(QLatin1String("separator")).toBool()) {
            item.kind = MenuItem::Kind::Separator;
        } else if (object.contains(QLatin1String("items"))) {
            item.kind = MenuItem::Kind::Popup;
            item.text = object.value(QLatin1String("text")).toString();
            std::optional<QList<MenuItem>> children = ParseItems(object.value(QLatin1String("items")), depth + 1);
            if (!children)
                return std::nullopt;
            item.items = *children;
        } else {
            const QJsonValue id = object.value(QLatin1String("id"));
            if (!id.isDouble() || id.toInt(-1) <= 0 || !object.value(QLatin1String("text")).isString())
                return std::nullopt;
            item.id = id.toInt();
            item.text = object.value(QLatin1String("text")).toString();
        }
        items.append(item);
    }
    return items;
}

} // namespace

std::optional<MenuResources> MenuResources::Parse(const QByteArray &json)
{
    const std::optional<QJsonObject> root = ParseJsonObject(json);
    if (!root || !root->value(QLatin1String("menus")).isObject())
        return std::nullopt;
    MenuResources result;
    const QJsonObject menus = root->value(QLatin1String("menus")).toObject();
    for (auto it = menus.begin(); it != menus.end(); ++it) {
        const std::optional<int> id = ParseResourceId(it.key());
        std::optional<QList<MenuItem>> items = ParseItems(it.value(), 0);
        if (!id || !items)
            return std::nullopt;
        result.menus_.insert(*id, *items);
    }
    return result;
}

const MenuResources &AppMenus()
{
    static const MenuResources menus =
        MenuResources::Parse(ReadResourceBytes(QStringLiteral("menus.json"))).value_or(MenuResources{});
    return menus;
}
