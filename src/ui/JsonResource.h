#pragma once

#include <QJsonObject>
#include <QString>
#include <optional>

// The framework's resource tables (strings, menus, tool bars, accelerators)
// are JSON files compiled into the program under this prefix.
inline constexpr char kResourcePrefix[] = ":/vellora/";

// The top-level object of a JSON text; nothing for malformed text or a
// document whose top level is not an object.
std::optional<QJsonObject> ParseJsonObject(const QByteArray &json);

// The bytes of a compiled-in resource file named relative to the prefix;
// empty when there is no such file.
QByteArray ReadResourceBytes(const QString &name);

// A key of a table is the id written as decimal text; anything else (a
// negative or a non-number) is refused so a typo cannot become id 0.
std::optional<int> ParseResourceId(const QString &key);
