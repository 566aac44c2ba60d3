#include "ui/ToolBarResource.h"

#include "ui/JsonResource.h"

#include <QJsonArray>
#include <QJsonObject>

namespace {

std::optional<ToolBarTemplate> ParseToolBar(const QJsonValue &value)
{
    if (!value.isObject())
        return std::nullopt;
    const QJsonObject object = value.toObject();
    ToolBarTemplate bar;
    const QJsonArray size = object.value(QLatin1String("imageSize")).toArray();
    if (size.size() == 2) {
        const int w = size.at(0).toInt(0);
        const int h = size.at(1).toInt(0);
        if (w <= 0 || h <= 0 || w > 256 || h > 256)
            return std::nullopt;
        bar.imageSize = QSize(w, h);
    }
    const QJsonValue buttons = object.value(QLatin1String("buttons"));
    if (!buttons.isArray())
        return std::nullopt;
    for (const QJsonValue &button : buttons.toArray()) {
        const int id = button.toInt(-1);
        if (!button.isDouble() || id < 0)
            return std::nullopt;
        bar.buttons.append(id);
    }
    return bar;
}

} // namespace

std::optional<ToolBarResources> ToolBarResources::Parse(const QByteArray &json)
{
    const std::optional<QJsonObject> root = ParseJsonObject(json);
    if (!root || !root->value(QLatin1String("toolbars")).isObject())
        return std::nullopt;
    ToolBarResources result;
    const QJsonObject bars = root->value(QLatin1String("toolbars")).toObject();
    for (auto it = bars.begin(); it != bars.end(); ++it) {
        const std::optional<int> id = ParseResourceId(it.key());
        const std::optional<ToolBarTemplate> bar = ParseToolBar(it.value());
        if (!id || !bar)
            return std::nullopt;
        result.toolBars_.insert(*id, *bar);
    }
    const QJsonObject icons = root->value(QLatin1String("icons")).toObject();
    for (auto it = icons.begin(); it != icons.end(); ++it) {
        const std::optional<int> id = ParseResourceId(it.key());
        if (!id || !it.value().isString())
            return std::nullopt;
        result.icons_.insert(*id, it.value().toString());
    }
    return result;
}

std::optional<ToolBarTemplate> ToolBarResources::ToolBar(int id) const
{
    const auto it = toolBars_.constFind(id);
    if (it == toolBars_.constEnd())
        return std::nullopt;
    return *it;
}

const ToolBarResources &AppToolBars()
{
    static const ToolBarResources bars =
        ToolBarResources::Parse(ReadResourceBytes(QStringLiteral("toolbars.json"))).value_or(ToolBarResources{});
    return bars;
}

QIcon CommandIcon(int commandId)
{
    const QString file = AppToolBars().IconFile(commandId);
    if (file.isEmpty())
        return {};
    return QIcon(QLatin1String(kResourcePrefix) + QStringLiteral("icons/") + file);
}

QIcon NamedIcon(const QString &name) { return QIcon(QLatin1String(kResourcePrefix) + QStringLiteral("icons/") + name); }
