// Drives the picture view's arithmetic with any sizes and any sequence of
// commands: no undefined arithmetic (UBSan), and the offset always stays in
// the scroll range, the scale finite and positive, at most one fit mode set.

#include "FuzzInput.h"
#include "viewer/ZoomScrollModel.h"

#include <cmath>

namespace {

struct Input {
    const std::uint8_t *data;
    std::size_t size;
    std::uint8_t Byte() { return size > 0 ? (--size, *data++) : 0; }
    int Int()
    {
        std::uint32_t v = 0;
        for (int i = 0; i < 4; ++i)
            v = (v << 8) | Byte();
        return static_cast<int>(v); // modular since C++20
    }
};

void Check(const ZoomScrollModel &view)
{
    const std::int64_t maxX = std::max<std::int64_t>(0, std::int64_t(view.ScaledSize().cx) - view.ClientSize().cx);
    const std::int64_t maxY = std::max<std::int64_t>(0, std::int64_t(view.ScaledSize().cy) - view.ClientSize().cy);
    const std::uint32_t fits = view.Flags() & kDisplayFitModes;
    if (view.Offset().x < 0 || view.Offset().x > maxX || view.Offset().y < 0 || view.Offset().y > maxY
        || !std::isfinite(view.Scale()) || !(view.Scale() > 0.0f) || (fits & (fits - 1)) != 0)
        __builtin_trap();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    Input in{data, size};
    ZoomScrollModel view;
    while (in.size > 0) {
        switch (in.Byte() % 16) {
        case 0: view.Resize(in.Int(), in.Int()); break;
        case 1:
            view.PictureLoaded({in.Int(), in.Int()});
            view.ZoomKeepingCentre(view.LayoutPicture());
            break;
        case 2: view.PictureLost(); break;
        case 3: view.ZoomCommand(32781 + in.Byte() % 6); break;
        case 4: view.ToggleStretch(); break;
        case 5: view.ToggleFitWidth(); break;
        case 6: view.ToggleFitHeight(); break;
        case 7: view.ToggleCentre(); break;
        case 8: view.VerticalWheel(in.Int()); break;
        case 9: view.HorizontalWheel(in.Int()); break;
        case 10: view.SetWheelSettings(in.Int() % 200, in.Byte() == 0 ? -1 : 3); break;
        case 11:
            view.Scroll(in.Byte() & 1 ? ScrollAxis::Vertical : ScrollAxis::Horizontal, ScrollAction(in.Byte() % 7),
                        in.Int());
            break;
        case 12: view.ApplyTypedZoom(QString::number(in.Int())); break;
        case 13: view.ScrollToOffset(in.Int(), in.Int()); break;
        case 14: view.CentreOnPoint(in.Int(), in.Int()); break;
        case 15:
            (void)view.PictureRectInWindow();
            (void)view.WindowToLogical({in.Int(), in.Int()});
            break;
        }
        Check(view);
    }
    return 0;
}
