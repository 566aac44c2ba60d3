#pragma once

#include <QString>

// The "Default Path" section: three folder texts kept exactly as typed.
// Nothing turns them into full paths and no folder is made for them.
struct DefaultPathSettings {
    QString bookLibrary = QStringLiteral(".\\booklib");
    QString pictureLibrary = QStringLiteral(".\\picturelib");
    QString favorites = QStringLiteral(".\\my favorites");
};

DefaultPathSettings ReadDefaultPathSettings();

// Writes "Book Library", "Picture Library" and "Favorites", in that order.
void WriteDefaultPathSettings(const DefaultPathSettings &values);
