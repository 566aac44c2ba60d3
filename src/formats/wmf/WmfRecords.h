#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QRect>

#include <optional>
#include <vector>

// The byte level of a Windows metafile: the optional placeable header, the
// metafile header and the list of records. Every read of a record's
// parameters is checked against the record's own length, so the player can
// ask for any word of any record without looking at sizes itself.

namespace wmf {

// One record: its function number and the parameter words after it.
class Record {
public:
    Record(quint16 function, QByteArrayView params) : function_(function), params_(params) {}

    quint16 Function() const { return function_; }
    // Parameter words available.
    int Words() const { return int(params_.size() / 2); }
    bool Has(int words) const { return words >= 0 && words <= this->Words(); }
    // Word i as signed / unsigned; 0 when the record is too short.
    qint16 S16(int i) const { return qint16(U16(i)); }
    quint16 U16(int i) const;
    // Two words from word i, low word first, as the format stores DWORDs.
    quint32 U32(int i) const;
    // Bytes from word i to the end of the record (empty when out of range).
    QByteArrayView BytesFrom(int word) const;
    // n bytes from word i; empty when they do not all lie in the record.
    QByteArrayView Bytes(int word, qsizetype n) const;

private:
    quint16 function_;
    QByteArrayView params_;
};

struct Header {
    bool placeable = false;
    // Placeable files only: the picture's frame in metafile units and how
    // many of those units make an inch.
    QRect bounds;
    int unitsPerInch = 0;
    // How many slots the object table has.
    int objectCount = 0;
};

// A parsed metafile. It owns a private copy of the bytes the records point
// into, so it may outlive the buffer it was made from.
struct File {
    Header header;
    std::vector<Record> records;
    // The records stopped before an end-of-file record (cut or damaged file).
    bool truncated = false;

    File() = default;
    File(const File &) = delete;
    File &operator=(const File &) = delete;
    File(File &&) = default;
    File &operator=(File &&) = default;

private:
    friend std::optional<File> Parse(const QByteArray &bytes);
    QByteArray bytes_;
};

// More records than this are not played: a file of the smallest records
// would otherwise let one picture keep the user-interface thread busy.
inline constexpr size_t kMaxRecords = 2'000'000;

// Placeable header key.
inline constexpr quint32 kPlaceableKey = 0x9AC6CDD7u;

// Null when the bytes do not start with a metafile header. A file whose
// records are cut short yields the records before the cut.
std::optional<File> Parse(const QByteArray &bytes);

} // namespace wmf
