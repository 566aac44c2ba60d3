#pragma once

#include <QIODevice>

// Qt's PDF writer stores a title and a creator in the document information
// but has no author. This device passes the writer's bytes on to another
// device and turns the first "/Creator" key into "/Author" of the same
// length, so the creator's text (set to the book's author) becomes the
// author and every byte offset the writer counted stays true.
class PdfInfoAuthorDevice : public QIODevice {
public:
    explicit PdfInfoAuthorDevice(QIODevice &target);
    bool isSequential() const override { return true; }
    // Writes what is still held back (the key was never seen); false when
    // the target refused bytes.
    bool Finish();

protected:
    qint64 readData(char *data, qint64 maxSize) override;
    qint64 writeData(const char *data, qint64 size) override;

private:
    bool Pass(const QByteArray &bytes);

    QIODevice &target_;
    QByteArray held_;
    bool done_ = false;
    bool failed_ = false;
};
