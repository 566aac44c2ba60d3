#include "document/Base64Text.h"
#include "document/BookDocument.h"
#include "document/BookFile.h"

#include "TestFiles.h"

#include <QDateTime>
#include <QRandomGenerator>
#include <gtest/gtest.h>

namespace {
QString RandomText(QRandomGenerator &rng)
{
    static const QString pool = QStringLiteral("abcXYZ 0123<>-_.,;!?画册山水风景猫狗中文「」\t/\\[]{}éß");
    const int n = rng.bounded(0, 24);
    QString s;
    for (int i = 0; i < n; ++i)
        s += pool[rng.bounded(pool.size())];
    // What the writer refuses is tested elsewhere; keep texts storable.
    if (s == QLatin1String("<cover_begin>") || s == QLatin1String("<intro_begin>"))
        s += QLatin1Char('x');
    return s;
}

QByteArray RandomBytes(QRandomGenerator &rng, int n)
{
    QByteArray b(n, Qt::Uninitialized);
    for (auto &c : b)
        c = char(rng.bounded(256));
    return b;
}
} // namespace

class BookRoundTrip : public testing::TestWithParam<int> {};

TEST_P(BookRoundTrip, RandomBooksComeBackFieldForField)
{
    QRandomGenerator rng(static_cast<quint32>(GetParam()));
    ScratchDir dir;
    BookDocument book = BookDocument::MakeNew();
    book.title = RandomText(rng);
    book.author = RandomText(rng);
    book.reserved = RandomText(rng);
    book.category = RandomText(rng);
    book.rating = rng.bounded(-3, 9);
    book.pictureCount = rng.bounded(0, 50);
    // Sizes around multiples of 57, where the Base64 text ends with CR LF.
    const int coverSizes[] = {0, 1, 56, 57, 58, 114, 3 * 57 * 40, 3 * 57 * 40 + 2};
    book.cover = EncodeBase64Text(RandomBytes(rng, coverSizes[GetParam() % 8]));
    book.intro = EncodeBase64Text(RandomBytes(rng, coverSizes[(GetParam() + 3) % 8] + rng.bounded(2)));
    const int pictures = rng.bounded(0, 30);
    for (int i = 0; i < pictures; ++i) {
        PictureEntry e;
        e.path = RandomText(rng).remove(QLatin1Char('>')).remove(QLatin1Char('\t'));
        e.compileTime = RandomText(rng).remove(QLatin1Char('>'));
        book.pictures.append(e);
    }
    const QString path = dir.FilePath(QStringLiteral("r.vlr"));
    ASSERT_TRUE(WriteBookFile(path, book)) << BookWriteProblem(book).toStdString();
    BookDocument back;
    ASSERT_TRUE(ReadBookFile(path, back));
    EXPECT_EQ(back, book);
}

INSTANTIATE_TEST_SUITE_P(Seeds, BookRoundTrip, testing::Range(1, 41));

TEST(BookDocument, CompileTimeFormat)
{
    EXPECT_EQ(FormatCompileTime(QDateTime(QDate(2009, 3, 7), QTime(8, 5))), QStringLiteral("2009-3-7 08:05"));
    EXPECT_EQ(FormatCompileTime(QDateTime(QDate(2026, 12, 16), QTime(23, 59))), QStringLiteral("2026-12-16 23:59"));
}
