#pragma once

#include <QStringList>

// Exit codes of vellora-book.
enum CliExit : int { kExitOk = 0, kExitFailure = 1, kExitUsage = 2, kExitSomePicturesBad = 3 };

// One subcommand: its name, a one-line summary, its usage text and its
// handler, which gets the arguments after the name.
struct CliCommand {
    const char *name;
    const char *summary;
    const char *usage;
    int (*run)(const QStringList &args);
    // Whether the command draws (fonts and painting need a GUI application;
    // the tool then runs on the offscreen platform unless told otherwise).
    bool needsGui = false;
};

int RunInfo(const QStringList &args);
int RunCreate(const QStringList &args);
int RunCheck(const QStringList &args);
int RunRender(const QStringList &args);
int RunIntro(const QStringList &args);
int RunExport(const QStringList &args);

// Output helpers: UTF-8 to stdout / stderr. PrintError adds the tool's name
// and a line feed.
void PrintOut(const QByteArray &text);
void PrintError(const QString &line);
void PrintErrorText(const QByteArray &text);

// Points file descriptor 2 at /dev/null, so that what libraries print there
// stays off the terminal, while the Print functions still reach stderr.
void DivertLibraryStderr();
