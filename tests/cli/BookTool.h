#pragma once

// Runs the real vellora-book as a script would, and makes the books it reads.

#include "document/BookDocument.h"
#include "document/BookFile.h"

#include "TestFiles.h"

#include <QProcess>


struct ToolRun {
    int exitCode = -1;
    QByteArray out, err;
};

// `prepare` may set up the process before it starts (limits, environment).
inline ToolRun Tool(const QStringList &args, const std::function<void(QProcess &)> &prepare = {})
{
    QProcess p;
    if (prepare)
        prepare(p);
    p.start(QStringLiteral(VELLORA_BIN_DIR "/vellora-book"), args);
    p.waitForFinished(60000);
    return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1, p.readAllStandardOutput(),
            p.readAllStandardError()};
}

inline QString Write(const ScratchDir &dir, const QString &name, const QByteArray &bytes)
{
    return WriteAll(dir.FilePath(name), bytes) ? dir.FilePath(name) : QString();
}

inline QString Metafile(const char *name) { return QStringLiteral(VELLORA_TEST_DATA "/metafiles/") + QLatin1String(name); }
