#pragma once

#include <QList>
#include <QSize>
#include <QString>

// One picture of the sample book.
struct SamplePicture {
    QString fileName;
    QString caption;
    QSize size;
    QByteArray format; // a QImageWriter format, or "wmf" for our own metafile
    int scene;         // which drawing
};

QList<SamplePicture> SamplePictures();
bool WriteSamplePicture(const SamplePicture &picture, const QString &path);

// The book's cover and introduction as the book file holds them.
QString SampleCoverText();
QString SampleIntroText();
