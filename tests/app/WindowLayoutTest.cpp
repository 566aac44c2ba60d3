// Every form and dialog, at the default font and at a large one: each control
// lies wholly inside its window, shows its whole text, overlaps no other
// control, and the controls keep their rows and columns.

#include "Cases.h"
#include "app/AboutDialog.h"
#include "editor/BookInfoForm.h"
#include "editor/CoverBox.h"
#include "editor/StarRatingButton.h"
#include "editor/TabHost.h"
#include "settings/dialogs/SettingsSheet.h"
#include "viewer/ReadingParametersDialog.h"

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>

#include <functional>
#include <memory>

namespace {

// The widgets a user sees as controls; what lies inside one (the pages of the
// tab host, a box's own parts) belongs to it.
bool IsControl(const QWidget *w)
{
    return qobject_cast<const QLabel *>(w) || qobject_cast<const QLineEdit *>(w)
           || qobject_cast<const QAbstractButton *>(w) || dynamic_cast<const CoverBox *>(w)
           || dynamic_cast<const StarRatingButton *>(w) || dynamic_cast<const TabHost *>(w);
}

QList<QWidget *> Controls(QWidget &window)
{
    QList<QWidget *> controls;
    for (QWidget *w : window.findChildren<QWidget *>()) {
        if (!IsControl(w) || !w->isVisibleTo(&window))
            continue;
        bool inner = false;
        for (QWidget *up = w->parentWidget(); up && up != &window; up = up->parentWidget())
            inner = inner || IsControl(up);
        if (!inner)
            controls.append(w);
    }
    return controls;
}

QRect InWindow(QWidget *w, QWidget &window) { return QRect(w->mapTo(&window, QPoint(0, 0)), w->size()); }

QString Describe(const QWidget *w)
{
    if (!w->objectName().isEmpty())
        return w->objectName();
    if (const auto *label = qobject_cast<const QLabel *>(w); label && !label->text().isEmpty())
        return label->text();
    if (const auto *button = qobject_cast<const QAbstractButton *>(w); button && !button->text().isEmpty())
        return button->text();
    return w->objectName();
}

QWidget *Named(QWidget &window, const QString &key)
{
    for (QWidget *w : Controls(window))
        if (Describe(w) == key)
            return w;
    return nullptr;
}

// Whether the control's text has the room it needs.
bool ShowsWholeText(QWidget *w)
{
    if (const auto *label = qobject_cast<const QLabel *>(w)) {
        if (label->wordWrap())
            return label->heightForWidth(label->width()) <= label->height();
        return label->text().isEmpty() || label->width() >= label->minimumSizeHint().width();
    }
    if (const auto *check = qobject_cast<const QCheckBox *>(w))
        return check->width() >= check->minimumSizeHint().width();
    if (const auto *button = qobject_cast<const QPushButton *>(w))
        return button->width() > button->fontMetrics().horizontalAdvance(button->text());
    return true;
}

struct WindowCase {
    const char *name;
    int pointSize; // 0: the default font
    std::function<std::unique_ptr<QWidget>()> make;
    // The controls row by row, each row from left to right.
    std::vector<std::vector<QString>> rows;
};

class WindowLayoutTest : public ::testing::TestWithParam<WindowCase> {
protected:
    void SetUp() override
    {
        saved_ = QApplication::font();
        if (GetParam().pointSize > 0) {
            QFont large = saved_;
            large.setPointSize(GetParam().pointSize);
            QApplication::setFont(large);
        }
    }
    void TearDown() override { QApplication::setFont(saved_); }
    QFont saved_;
};

TEST_P(WindowLayoutTest, ControlsInsideApartAndInTheirRows)
{
    std::unique_ptr<QWidget> window = GetParam().make();
    window->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    const QList<QWidget *> controls = Controls(*window);
    ASSERT_FALSE(controls.isEmpty());
    for (QWidget *c : controls) {
        EXPECT_TRUE(window->rect().contains(InWindow(c, *window)))
            << Describe(c).toStdString() << " leaves the window";
        EXPECT_TRUE(ShowsWholeText(c)) << Describe(c).toStdString() << " cuts its text";
        for (QWidget *other : controls) {
            if (other != c && !c->isAncestorOf(other) && !other->isAncestorOf(c)) {
                EXPECT_FALSE(InWindow(c, *window).intersects(InWindow(other, *window)))
                    << Describe(c).toStdString() << " overlaps " << Describe(other).toStdString();
            }
        }
    }
    std::vector<QRect> previousRow;
    for (const std::vector<QString> &row : GetParam().rows) {
        std::vector<QRect> rects;
        for (const QString &key : row) {
            QWidget *w = Named(*window, key);
            ASSERT_NE(w, nullptr) << key.toStdString();
            rects.push_back(InWindow(w, *window));
        }
        for (std::size_t i = 1; i < rects.size(); ++i) {
            EXPECT_LE(rects[i - 1].right(), rects[i].left()) << row[i].toStdString() << " is not right of its left";
            EXPECT_TRUE(rects[i].top() <= rects[0].bottom() && rects[0].top() <= rects[i].bottom())
                << row[i].toStdString() << " is not in the row of " << row[0].toStdString();
        }
        for (const QRect &above : previousRow)
            for (std::size_t i = 0; i < rects.size(); ++i)
                EXPECT_LT(above.top(), rects[i].top()) << row[i].toStdString() << " is not below the row above";
        previousRow = rects;
    }
}

std::unique_ptr<QWidget> Form()
{
    // The form is made at a size in units of its font; the frame never
    // gives it less than its minimum.
    auto form = std::make_unique<BookInfoForm>();
    form->resize(form->size().expandedTo(QSize(BookInfoForm::kMinWidth, BookInfoForm::kMinHeight)));
    return form;
}

std::unique_ptr<QWidget> About() { return std::make_unique<AboutDialog>(nullptr); }

std::unique_ptr<QWidget> ReadingParameters() { return std::make_unique<ReadingParametersDialog>(nullptr); }

std::unique_ptr<QWidget> Sheet(int page)
{
    auto sheet = std::make_unique<SettingsSheet>();
    sheet->findChild<QTabWidget *>()->setCurrentIndex(page);
    return sheet;
}

QString Id(const char *prefix, int id) { return QStringLiteral("%1%2").arg(QString::fromUtf8(prefix)).arg(id); }

const std::vector<std::vector<QString>> kFormRows = {
    {QStringLiteral("标题:"), Id("control", 1002), Id("control", 1010)},
    {QStringLiteral("作者:"), Id("control", 1003)},
    {QStringLiteral("类别:"), Id("control", 1004), Id("control", 1005)},
    {QStringLiteral("总计:"), Id("control", 1006), QStringLiteral("幅图片")},
    {Id("control", 1008), Id("control", 1009)},
    {Id("control", 1011)},
};

const std::vector<std::vector<QString>> kAboutRows = {
    {QStringLiteral(" 名称:  电子画册Vellora V1.0")},
    {QStringLiteral(" 描述:")},
    {QStringLiteral("Vellora 是一个以画册形式编译和查阅图片集的应用程序.")},
    {QStringLiteral("联系:")},
    {QStringLiteral("support@vellora.example")},
    {QStringLiteral("确定")},
};

const std::vector<std::vector<QString>> kReadingRows = {
    {QStringLiteral("跳步页数:"), Id("edit", 1025), QStringLiteral("页")},
    {QStringLiteral("浏览速率:"), Id("edit", 1026), QStringLiteral("秒/页")},
    {Id("check", 1027), Id("check", 1028)},
    {QStringLiteral("确定"), QStringLiteral("取消")},
};

const std::vector<std::vector<QString>> kSheetPathRows = {
    {QStringLiteral("画册目录:")}, {Id("edit", 1020), Id("button", 1023)},
    {QStringLiteral("图库目录:")}, {Id("edit", 1021), Id("button", 1024)},
    {QStringLiteral("我的收藏:")}, {Id("edit", 1022), Id("button", 1017)},
    {QStringLiteral("确定"), QStringLiteral("取消")},
};

std::vector<WindowCase> Cases()
{
    std::vector<WindowCase> cases;
    for (int points : {0, 20}) {
        const bool large = points > 0;
        cases.push_back({large ? "FormLargeFont" : "Form", points, Form, kFormRows});
        cases.push_back({large ? "AboutLargeFont" : "About", points, About, kAboutRows});
        cases.push_back({large ? "ReadingParametersLargeFont" : "ReadingParameters", points, ReadingParameters,
                         kReadingRows});
        cases.push_back({large ? "SheetReadingPageLargeFont" : "SheetReadingPage", points, [] { return Sheet(0); },
                         kReadingRows});
        cases.push_back({large ? "SheetPathPageLargeFont" : "SheetPathPage", points, [] { return Sheet(1); },
                         kSheetPathRows});
    }
    return cases;
}

INSTANTIATE_TEST_SUITE_P(Windows, WindowLayoutTest, ::testing::ValuesIn(Cases()), CaseName());

} // namespace
