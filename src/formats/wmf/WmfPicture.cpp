#include "formats/wmf/WmfPicture.h"

#include "formats/wmf/WmfFrame.h"
#include "formats/wmf/WmfPlayCache.h"
#include "formats/wmf/WmfPlayer.h"
#include "formats/wmf/WmfRecords.h"

#include <QPainter>
#include <QtEndian>

namespace {
// The parsed records are kept, so a repaint plays them again without
// reading the file's bytes; decoded bitmaps and laid-out text likewise.
class WmfPicture final : public DecodedPicture {
public:
    WmfPicture(wmf::File file, wmf::Frame frame) : file_(std::move(file)), frame_(frame) {}

    QSize NaturalSizeHimetric() const override { return frame_.himetric; }

    void Render(QPainter &painter, const QRectF &target) const override
    {
        wmf::Player(file_, frame_, cache_, painter, target).Play();
    }

private:
    wmf::File file_;
    wmf::Frame frame_;
    mutable wmf::PlayCache cache_;
};
} // namespace

bool LooksLikeWmf(const QByteArray &bytes)
{
    if (bytes.size() < 18)
        return false;
    const auto *p = reinterpret_cast<const uchar *>(bytes.constData());
    if (qFromLittleEndian<quint32>(p) == wmf::kPlaceableKey)
        return true;
    const quint16 type = qFromLittleEndian<quint16>(p);
    const quint16 headerWords = qFromLittleEndian<quint16>(p + 2);
    return (type == 1 || type == 2) && headerWords == 9;
}

DecodedPicturePtr DecodeWmfPicture(const QByteArray &bytes)
{
    std::optional<wmf::File> file = wmf::Parse(bytes);
    // A file cut before its first whole record has nothing to show; saying
    // so lets the caller report it instead of showing an empty page.
    if (!file || (file->truncated && file->records.empty()))
        return nullptr;
    const std::optional<wmf::Frame> frame = wmf::PictureFrame(*file);
    if (!frame)
        return nullptr;
    return std::make_unique<WmfPicture>(std::move(*file), *frame);
}
