#include "document/FileIo.h"

#include <QFile>
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
    // One read of exactly the size taken: a buffer of the limit's size is
    // never allocated, and a file that grows meanwhile is read only as far
    // as it was when its size was taken.
    QByteArray data(size, Qt::Uninitialized);
    const qint64 got = size > 0 ? file.read(data.data(), size) : 0;
    if (got < 0 || file.error() != QFileDevice::NoError)
        return std::nullopt;
    data.truncate(got);
    return data;
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
