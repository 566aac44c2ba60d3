// Every form and dialog, at the default font and at a large one: each control
// lies wholly inside its window, shows its whole text and overlaps no other
// control.

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

// Its name, or the text a label or button shows.
std::string Describe(const QWidget *w)
{
    return (w->objectName().isEmpty() ? w->property("text").toString() : w->objectName()).toStdString();
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

TEST_P(WindowLayoutTest, ControlsInsideApartAndWhole)
{
    std::unique_ptr<QWidget> window = GetParam().make();
    window->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    const QList<QWidget *> controls = Controls(*window);
    ASSERT_FALSE(controls.isEmpty());
    for (QWidget *c : controls) {
        EXPECT_TRUE(window->rect().contains(InWindow(c, *window)))
            << Describe(c) << " leaves the window";
        EXPECT_TRUE(ShowsWholeText(c)) << Describe(c) << " cuts its text";
        for (QWidget *other : controls) {
            if (other != c && !c->isAncestorOf(other) && !other->isAncestorOf(c)) {
                EXPECT_FALSE(InWindow(c, *window).intersects(InWindow(other, *window)))
                    << Describe(c) << " overlaps " << Describe(other);
            }
        }
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

std::vector<WindowCase> Cases()
{
    std::vector<WindowCase> cases;
    for (int points : {0, 20}) {
        const bool large = points > 0;
        cases.push_back({large ? "FormLargeFont" : "Form", points, Form});
        cases.push_back({large ? "AboutLargeFont" : "About", points, About});
        cases.push_back({large ? "ReadingParametersLargeFont" : "ReadingParameters", points, ReadingParameters});
        cases.push_back({large ? "SheetReadingPageLargeFont" : "SheetReadingPage", points, [] { return Sheet(0); }});
        cases.push_back({large ? "SheetPathPageLargeFont" : "SheetPathPage", points, [] { return Sheet(1); }});
    }
    return cases;
}

INSTANTIATE_TEST_SUITE_P(Windows, WindowLayoutTest, ::testing::ValuesIn(Cases()), CaseName());

} // namespace
