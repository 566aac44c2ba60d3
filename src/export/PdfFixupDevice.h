#pragma once

#include <QIODevice>

// Mends two gaps of Qt 6.4's PDF writer on the way from the writer to the
// file, changing no byte offset the writer counted (each change keeps its
// length):
// - the document information has a title and a creator but no author: the
//   first "/Creator" key becomes "/Author " (the creator is set to the
//   book's author);
// - the fonts' text maps name CJK glyphs by radicals (NameGlyphsByIdeographs).
class PdfFixupDevice : public QIODevice {
public:
    explicit PdfFixupDevice(QIODevice &target);
    bool isSequential() const override { return true; }
    // Passes on what is still held back; false when the target refused
    // bytes at any time.
    bool Finish();

protected:
    qint64 readData(char *data, qint64 maxSize) override;
    qint64 writeData(const char *data, qint64 size) override;

private:
    bool Pass(const QByteArray &bytes);
    // Passes on every held byte that can no longer be part of a change.
    bool PassSettled();

    QIODevice &target_;
    QByteArray held_;
    bool authorDone_ = false;
    bool inTextMap_ = false;
    bool failed_ = false;
};
