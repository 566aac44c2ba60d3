#pragma once

#include <QList>
#include <QString>
#include <cstdint>

// One page of a book: a picture file on disk.
struct PictureEntry {
    QString path;               // held contracted: see ContractPicturePath
    std::uint64_t fileSize = 0; // as last looked up on disk; never stored in the book file
    QString compileTime;        // when the picture was added, "%i-%i-%i %.2i:%.2i"; never parsed

    PictureEntry() = default;
    // Entries made by the program hold their path contracted; the book file
    // reader fills path directly instead, keeping the file's text unchanged.
    PictureEntry(const QString &path, const QString &compileTime, std::uint64_t fileSize);

    bool operator==(const PictureEntry &) const = default;
};

// The in-memory form of one book. Copies are deep (Qt's implicit sharing
// detaches on write).
struct BookDocument {
    QString fileType;
    QString version;
    QString bookId;
    QString title;
    QString author;
    QString reserved;
    QString category;
    std::int32_t rating = 0;
    std::int32_t pictureCount = 0;
    QString cover; // Base64 text of the cover bitmap; empty: no cover
    QString intro; // Base64 text of the introduction's rich text
    QList<PictureEntry> pictures;

    // A newly made book: default type and version, a fresh id, everything else empty.
    static BookDocument MakeNew();

    bool operator==(const BookDocument &) const = default;
};

inline constexpr char16_t kDefaultFileType[] = u"Picture Book File (*.vlr)";
inline constexpr char16_t kDefaultVersion[] = u"1.0";

// Local time in the form picture entries record when they were added.
QString FormatCompileTime(const class QDateTime &localTime);
