#pragma once

// Runs the real vellora-book as a script would, and makes the books it reads.

#include "document/BookDocument.h"
#include "document/BookFile.h"

#include "TestFiles.h"

#include <QColor>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>

#include <functional>

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
    WriteAll(dir.FilePath(name), bytes);
    return dir.FilePath(name);
}

// A book of the given pictures, written by the library (not by the tool).
inline QString BookOf(const ScratchDir &dir, const QStringList &paths)
{
    BookDocument book = BookDocument::MakeNew();
    book.title = QStringLiteral("检查");
    for (const QString &path : paths)
        book.pictures.append(PictureEntry(path, QStringLiteral("2026-12-6 20:00"), 0));
    book.pictureCount = int(book.pictures.size());
    const QString file = dir.FilePath(QStringLiteral("book.vlr"));
    WriteBookFile(file, book);
    return file;
}

inline QJsonArray CheckedPictures(const ToolRun &run)
{
    return QJsonDocument::fromJson(run.out).object()[QStringLiteral("Pictures")].toArray();
}

inline QString Metafile(const char *name)
{
    return QStringLiteral(VELLORA_TEST_DATA "/metafiles/") + QLatin1String(name);
}

inline bool Near(QColor a, QColor b, int tolerance = 40)
{
    return qAbs(a.red() - b.red()) <= tolerance && qAbs(a.green() - b.green()) <= tolerance
           && qAbs(a.blue() - b.blue()) <= tolerance;
}
