#pragma once

#include <QList>
#include <QString>

#include <utility>

// The settings file "Vellora.ini" in the data directory. Every call opens the
// file by name and closes it again; nothing is cached, so two windows that
// read the same key always agree. Section and key names ignore letter case.
// Failures are silent: a missing or unreadable file gives the defaults, a
// failed write is lost.

QString SettingsFilePath();

// The stored text, or the default when the key is missing. Texts come back
// cut to the limit of their key (MaxSettingTextLength).
QString ReadSettingText(const QString &section, const QString &key, const QString &defaultValue);

// The stored value read as a decimal integer (leading blanks, a sign, then
// digits up to the first other character; saturated to 32 bits), or the
// default when the key is missing or its value empty. A value that does not
// start with a number reads as 0.
int ReadSettingInt(const QString &section, const QString &key, int defaultValue);

// Stores the text, creating the file, the section and the key as needed and
// keeping everything else in the file (comments included). Returns whether
// the file was written; callers do not have to look.
bool WriteSetting(const QString &section, const QString &key, const QString &value);

// Several keys of one section, (key, value) in order, stored by one write of
// the file: they all change or none does.
using SettingValues = QList<std::pair<QString, QString>>;
bool WriteSettings(const QString &section, const SettingValues &values);

// The longest text a key gives back: 511 for "Default Path" values, 255 for
// frequent categories, 4095 (a file path) for recent documents, otherwise
// no limit (-1).
qsizetype MaxSettingTextLength(const QString &section, const QString &key);

// The same operations on a named file, for tools and tests.
QString ReadSettingTextFrom(const QString &file, const QString &section, const QString &key,
                            const QString &defaultValue);
int ReadSettingIntFrom(const QString &file, const QString &section, const QString &key, int defaultValue);
bool WriteSettingTo(const QString &file, const QString &section, const QString &key, const QString &value);
bool WriteSettingsTo(const QString &file, const QString &section, const SettingValues &values);
