#include "document/FileIo.h"

#include <QFile>
#include <QSaveFile>
#include <QtEndian>

#include <sys/stat.h>

bool IsRegularFile(const QString &path)
{
    if (path.isEmpty())
        return false;
    struct stat st {};
    if (::stat(QFile::encodeName(path).constData(), &st) != 0)
        return false;
    return S_ISREG(st.st_mode);
}

std::optional<QByteArray> ReadRegularFile(const QString &path, qint64 maxBytes)
{
    if (!IsRegularFile(path))
        return std::nullopt;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    const qint64 size = file.size();
    if (size > maxBytes)
        return std::nullopt;
    // Read with a bound even if the file grows between stat and read.
    QByteArray data = file.read(maxBytes + 1);
    if (file.error() != QFileDevice::NoError || data.size() > maxBytes)
        return std::nullopt;
    return data;
}

bool WriteFileAtomically(const QString &path, const QByteArray &bytes)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    if (file.write(bytes) != bytes.size()) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

QByteArray ToUtf16Le(QStringView text)
{
    QByteArray out(text.size() * 2, Qt::Uninitialized);
    auto *p = reinterpret_cast<uchar *>(out.data());
    for (qsizetype i = 0; i < text.size(); ++i)
        qToLittleEndian<quint16>(text[i].unicode(), p + 2 * i);
    return out;
}

QString FromUtf16Le(const QByteArray &bytes)
{
    const qsizetype units = bytes.size() / 2;
    QString out(units, Qt::Uninitialized);
    const auto *p = reinterpret_cast<const uchar *>(bytes.constData());
    for (qsizetype i = 0; i < units; ++i)
        out[i] = QChar(qFromLittleEndian<quint16>(p + 2 * i));
    return out;
}
