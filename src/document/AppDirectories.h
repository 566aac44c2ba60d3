#pragma once

#include <QString>

// The two process-wide folders every part of the program names files from.
// Both end in "/" (or are empty), so file names are appended directly.
// They are set once at start-up; tests and tools may set their own.

// The folder of the running executable, letter case kept: help documents,
// helper programs and install-relative picture paths live there.
QString ApplicationDirectory();
void SetApplicationDirectory(const QString &dir);

// The user's documents folder + "Vellora/": the settings file and the "etc"
// folder of reading state files. Empty when no documents folder is known;
// files named from it are then bare file names.
QString DataDirectory();
void SetDataDirectory(const QString &dir);

// Computes both from the running executable and the user's documents folder
// (XDG). Needs a QCoreApplication.
void InitialiseDirectoriesFromEnvironment();

// Creates the data directory (with its parents) and its "etc" sub-folder when
// missing. Failures are not reported: later reads fall back to defaults and
// later writes fail silently.
void EnsureDataDirectories();

// Appends "/" unless the text is empty or already ends with one.
QString WithTrailingSlash(const QString &dir);
