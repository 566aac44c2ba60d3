#pragma once

#include <QRect>
#include <QSize>

// The book form's layout in dialog units: the size it is made at and the
// place of every control, labels included (id −1), in tab order.
struct FormControlPlace {
    enum class Kind { Label, Edit, Button, Count, UnitLabel, Thumb, RateLabel, Rate, Tabs };
    Kind kind;
    int id;
    const char16_t *text;
    QRect rect;
};

inline constexpr QSize kFormTemplateSize(248, 170);

inline constexpr FormControlPlace kFormTemplate[] = {
    {FormControlPlace::Kind::Label, -1, u"标题:", QRect(2, 6, 32, 8)},
    {FormControlPlace::Kind::Edit, 1002, u"", QRect(38, 3, 123, 12)},
    {FormControlPlace::Kind::Label, -1, u"作者:", QRect(2, 20, 32, 8)},
    {FormControlPlace::Kind::Edit, 1003, u"", QRect(38, 18, 123, 12)},
    {FormControlPlace::Kind::Label, -1, u"类别:", QRect(2, 35, 32, 8)},
    {FormControlPlace::Kind::Edit, 1004, u"", QRect(38, 33, 108, 12)},
    {FormControlPlace::Kind::Button, 1005, u"", QRect(147, 33, 14, 12)},
    {FormControlPlace::Kind::Label, -1, u"总计:", QRect(2, 49, 32, 8)},
    {FormControlPlace::Kind::Count, 1006, u"3000", QRect(38, 48, 71, 10)},
    {FormControlPlace::Kind::UnitLabel, -1, u"幅图片", QRect(114, 49, 24, 8)},
    {FormControlPlace::Kind::Thumb, 1010, u"", QRect(166, 3, 80, 60)},
    {FormControlPlace::Kind::RateLabel, 1008, u"喜好:", QRect(165, 66, 20, 8)},
    {FormControlPlace::Kind::Rate, 1009, u"", QRect(188, 65, 58, 10)},
    {FormControlPlace::Kind::Tabs, 1011, u"", QRect(2, 80, 244, 88)},
};

// The form's control ids.
enum FormControlId : int {
    kFormTitle = 1002,
    kFormAuthor = 1003,
    kFormCategory = 1004,
    kFormCategoryButton = 1005,
    kFormPictureCount = 1006,
    kFormRateLabel = 1008,
    kFormRate = 1009,
    kFormThumb = 1010,
    kFormTabs = 1011,
};
