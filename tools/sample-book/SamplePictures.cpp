#include "SamplePictures.h"

#include "GifWriter.h"
#include "WmfWriter.h"

#include "document/Base64Text.h"
#include "editor/CoverCodec.h"
#include "formats/rtf/RtfWriter.h"

#include <QFile>
#include <QFont>
#include <QImage>
#include <QImageWriter>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRandomGenerator>
#include <QTextCursor>
#include <QTextDocument>

#include <cmath>

namespace {
struct Palette {
    QColor sky, ground, accent;
};

const Palette kPalettes[] = {
    {QColor(255, 190, 120), QColor(60, 90, 70), QColor(250, 90, 40)},     // dawn
    {QColor(150, 200, 240), QColor(70, 110, 140), QColor(240, 240, 250)}, // mountains
    {QColor(200, 230, 190), QColor(40, 120, 60), QColor(20, 80, 30)},     // bamboo
    {QColor(40, 20, 60), QColor(90, 20, 30), QColor(230, 40, 30)},        // lanterns
    {QColor(10, 20, 60), QColor(20, 30, 50), QColor(255, 250, 200)},      // stars
    {QColor(170, 220, 210), QColor(50, 130, 110), QColor(240, 120, 170)}, // lotus
};

void DrawScene(QPainter &p, QSize size, int scene, const QString &caption)
{
    const Palette &c = kPalettes[scene % 6];
    const qreal w = size.width(), h = size.height();
    QLinearGradient sky(0, 0, 0, h);
    sky.setColorAt(0, c.sky.darker(130));
    sky.setColorAt(0.65, c.sky);
    sky.setColorAt(1, c.ground);
    p.fillRect(QRectF(0, 0, w, h), sky);
    p.setRenderHint(QPainter::Antialiasing);

    QRandomGenerator rng(static_cast<quint32>(qHash(caption)));
    // Hills in three layers, each darker than the one behind it.
    for (int layer = 0; layer < 3; ++layer) {
        QPainterPath hill;
        hill.moveTo(0, h);
        const qreal base = h * (0.55 + 0.12 * layer);
        for (int i = 0; i <= 8; ++i)
            hill.lineTo(w * i / 8.0, base - h * 0.12 * rng.generateDouble());
        hill.lineTo(w, h);
        hill.closeSubpath();
        p.fillPath(hill, c.ground.darker(100 + 35 * layer));
    }
    // The scene's accent: a sun, a moon, lanterns or blossoms.
    p.setPen(Qt::NoPen);
    p.setBrush(c.accent);
    const int accents = static_cast<int>(rng.bounded(2)) == 0 ? 1 : 3 + static_cast<int>(rng.bounded(5));
    for (int i = 0; i < accents; ++i) {
        const qreal r = std::min(w, h) * (accents == 1 ? 0.12 : 0.04);
        p.drawEllipse(QPointF(w * (0.2 + 0.6 * rng.generateDouble()), h * (0.15 + 0.3 * rng.generateDouble())), r, r);
    }
    // Caption band.
    QFont font(QStringLiteral("Noto Sans CJK SC"));
    font.setPixelSize(std::max(12, static_cast<int>(std::min(w, h) / 12)));
    p.setFont(font);
    const QRectF band(0, h * 0.82, w, h * 0.18);
    p.fillRect(band, QColor(0, 0, 0, 110));
    p.setPen(Qt::white);
    p.drawText(band, Qt::AlignCenter, caption);
}

bool WriteWmf(const SamplePicture &picture, const QString &path)
{
    // A sailing boat on the sea, in 1/1440-inch units.
    const int w = picture.size.width(), h = picture.size.height();
    WmfWriter wmf(picture.size, 1440);
    wmf.SetPen(QColor(30, 60, 120), 1);
    wmf.SetBrush(QColor(150, 200, 240));
    wmf.Rectangle(QRect(0, 0, w, h * 6 / 10));
    wmf.SetBrush(QColor(30, 90, 160));
    wmf.Rectangle(QRect(0, h * 6 / 10, w, h * 4 / 10));
    wmf.SetBrush(QColor(255, 200, 60));
    wmf.Ellipse(QRect(w * 7 / 10, h / 10, w / 8, w / 8));
    wmf.SetBrush(QColor(120, 70, 30));
    wmf.Polygon({{w * 3 / 10, h * 62 / 100},
                 {w * 7 / 10, h * 62 / 100},
                 {w * 62 / 100, h * 72 / 100},
                 {w * 38 / 100, h * 72 / 100}});
    wmf.SetBrush(QColor(250, 250, 245));
    wmf.Polygon({{w * 49 / 100, h * 15 / 100}, {w * 49 / 100, h * 60 / 100}, {w * 32 / 100, h * 60 / 100}});
    wmf.Polygon({{w * 51 / 100, h * 22 / 100}, {w * 51 / 100, h * 60 / 100}, {w * 64 / 100, h * 60 / 100}});
    wmf.TextOut(QPoint(w / 20, h * 85 / 100), "Vellora", h / 12, QColor(255, 255, 255));
    QFile file(path);
    const QByteArray bytes = wmf.Finish();
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}
} // namespace

QList<SamplePicture> SamplePictures()
{
    return {
        {QStringLiteral("01-晨曦.jpg"), QStringLiteral("晨曦"), {1920, 1080}, "jpg", 0},
        {QStringLiteral("02-远山.jpg"), QStringLiteral("远山"), {3000, 2000}, "jpg", 1},
        {QStringLiteral("03-竹林.bmp"), QStringLiteral("竹林"), {800, 600}, "bmp", 2},
        {QStringLiteral("04-灯笼.gif"), QStringLiteral("灯笼"), {640, 480}, "gif", 3},
        {QStringLiteral("05-星空.jpg"), QStringLiteral("星空"), {1080, 1920}, "jpg", 4},
        {QStringLiteral("06-荷塘.bmp"), QStringLiteral("荷塘"), {1024, 768}, "bmp", 5},
        {QStringLiteral("07-印章.ico"), QStringLiteral("印"), {256, 256}, "ico", 3},
        {QStringLiteral("08-帆船.wmf"), QStringLiteral("帆船"), {8640, 5760}, "wmf", 0},
        {QStringLiteral("09-梅花.jpg"), QStringLiteral("梅花"), {1600, 1200}, "jpg", 3},
        {QStringLiteral("10-小桥.gif"), QStringLiteral("小桥"), {500, 500}, "gif", 2},
        {QStringLiteral("11-湖光.jpg"), QStringLiteral("湖光"), {1280, 720}, "jpg", 1},
        {QStringLiteral("12-落日.jpg"), QStringLiteral("落日"), {2560, 1440}, "jpg", 0},
    };
}

bool WriteSamplePicture(const SamplePicture &picture, const QString &path)
{
    if (picture.format == "wmf")
        return WriteWmf(picture, path);
    QImage image(picture.size, QImage::Format_RGB32);
    {
        QPainter painter(&image);
        DrawScene(painter, picture.size, picture.scene, picture.caption);
    }
    if (picture.format == "gif") {
        const QByteArray bytes = EncodeGif(image);
        QFile file(path);
        return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
    }
    QImageWriter writer(path, picture.format);
    if (picture.format == "jpg")
        writer.setQuality(88);
    return writer.write(image);
}

QString SampleCoverText()
{
    // Stored at the cover box's size, as the form stores a chosen cover.
    const QSize size(136, 96);
    QImage cover(size, QImage::Format_RGB32);
    QPainter painter(&cover);
    DrawScene(painter, size, 0, QStringLiteral("四季画意"));
    painter.end();
    return CoverTextFromBitmap(cover);
}

QString SampleIntroText()
{
    QTextDocument document;
    QTextCursor cursor(&document);
    QTextCharFormat heading;
    heading.setFontFamilies({QStringLiteral("Noto Sans CJK SC")});
    heading.setFontPointSize(16);
    heading.setFontWeight(QFont::Bold);
    heading.setForeground(QColor(0x2a, 0x5c, 0xaa));
    QTextCharFormat body;
    body.setFontFamilies({QStringLiteral("Noto Sans CJK SC")});
    body.setFontPointSize(10.5);
    QTextCharFormat strong = body;
    strong.setFontWeight(QFont::Bold);
    QTextCharFormat accent = body;
    accent.setFontItalic(true);
    accent.setForeground(QColor(0xc0, 0x39, 0x2b));

    QTextBlockFormat centred;
    centred.setAlignment(Qt::AlignHCenter);
    cursor.setBlockFormat(centred);
    cursor.insertText(QStringLiteral("四季画意"), heading);
    QTextBlockFormat paragraph;
    paragraph.setTopMargin(6);
    cursor.insertBlock(paragraph);
    cursor.insertText(QStringLiteral("这是随 Vellora 一起安装的"), body);
    cursor.insertText(QStringLiteral("示例画册"), strong);
    cursor.insertText(QStringLiteral("：十二幅自绘的风景，从晨曦到落日。"
                                     "画册里有 JPEG、BMP、GIF、图标和矢量图元文件，"
                                     "可以用来试一试缩放、适合窗口和自动浏览。"),
                      body);
    cursor.insertBlock(paragraph);
    cursor.insertText(QStringLiteral("阅读："), strong);
    cursor.insertText(QStringLiteral("按 空格键 开始或停止自动浏览，方向键翻页，"
                                     "在工具栏的缩放框里输入百分比或选择缩放菜单改变大小。"),
                      body);
    cursor.insertBlock(paragraph);
    cursor.insertText(QStringLiteral("编辑："), strong);
    cursor.insertText(QStringLiteral("切换到编辑模式，可以修改书名、作者、类别和星级，"
                                     "双击封面换一张图片，在“图画序列”里添加、删除和排列图片。"),
                      body);
    cursor.insertBlock(paragraph);
    cursor.insertText(QStringLiteral("愿您喜欢！"), accent);
    return EncodeBase64Text(WriteRtf(document));
}
