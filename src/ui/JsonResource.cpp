#include "ui/JsonResource.h"

#include <QFile>
#include <QJsonDocument>

std::optional<QJsonObject> ParseJsonObject(const QByteArray &json)
{
    QJsonParseError error;
    const QJsonDocument doc = QJsonDocument::fromJson(json, &error);
    if (error.error != QJsonParseError::NoError || !doc.isObject())
        return std::nullopt;
    return doc.object();
}

QByteArray ReadResourceBytes(const QString &name)
{
    QFile file(QLatin1String(kResourcePrefix) + name);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

std::optional<int> ParseResourceId(const QString &key)
{
    if (key.isEmpty() || key.size() > 9)
        return std::nullopt;
    for (QChar c : key) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return std::nullopt;
    }
    return key.toInt();
}
