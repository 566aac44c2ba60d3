// The command bar: its menu titles after their menus close.

#include "ui/CommandTable.h"
#include "ui/CommandBar.h"

#include <QCursor>
#include <QMenu>
#include <QTest>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <QWindow>
#include <gtest/gtest.h>

namespace {

// How the user leaves an open menu of the command bar.
enum class MenuClose { EscapeKey, ClickElsewhere };

class CommandBarMenuClose : public ::testing::TestWithParam<MenuClose> {
protected:
    QObject owner_;
    CommandTable table_{&owner_};
};

// The menu title looks as it did before the menu opened once the menu is
// gone and the pointer has moved away: not pressed, not raised.
TEST_P(CommandBarMenuClose, TitleButtonLooksUntouchedAfterItsMenuCloses)
{
    const QList<MenuItem> items = {
        {MenuItem::Kind::Popup,
         0,
         QStringLiteral("文件"),
         {{MenuItem::Kind::Command, 57665, QStringLiteral("退出"), {}}}},
        {MenuItem::Kind::Popup, 0, QStringLiteral("编辑"), {}},
    };
    QWidget window;
    window.resize(400, 300);
    auto *bar = new QToolBar(&window);
    const QList<QMenu *> popups = FillCommandBar(bar, items, table_);
    bar->adjustSize();
    window.move(0, 0);
    QCursor::setPos(QPoint(390, 290));
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    auto *file = qobject_cast<QToolButton *>(bar->widgetForAction(bar->actions()[0]));
    ASSERT_FALSE(file->underMouse());
    const QImage untouched = file->grab().toImage();

    // Input as the window system delivers it, so that Qt's own bookkeeping
    // of the widget under the mouse runs as it does for the user.
    QWindow *frame = window.windowHandle();
    const QPoint onFile = file->mapTo(&window, file->rect().center());
    QTest::mouseMove(frame, QPoint(390, 290));
    QTest::mouseMove(frame, onFile);
    ASSERT_TRUE(file->underMouse());
    // The press opens the menu, which runs its own event loop and has the
    // mouse to itself. The pointer moves on to the window's empty part; the
    // X11 platform then never tells the title that the pointer left, which
    // is set up here by hand, and the user ends the menu.
    QTimer::singleShot(0, [menu = popups[0], file, &window] {
        ASSERT_TRUE(menu->isVisible());
        QWindow *popup = menu->windowHandle();
        QTest::mouseRelease(popup, Qt::LeftButton, {}, popup->mapFromGlobal(QCursor::pos()));
        QCursor::setPos(window.mapToGlobal(QPoint(300, 250)));
        file->setAttribute(Qt::WA_UnderMouse, true);
        if (GetParam() == MenuClose::EscapeKey)
            QTest::keyClick(popup, Qt::Key_Escape);
        else
            QTest::mousePress(popup, Qt::LeftButton, {}, popup->mapFromGlobal(QCursor::pos()));
    });
    QTest::mousePress(frame, Qt::LeftButton, {}, onFile);
    if (GetParam() == MenuClose::ClickElsewhere)
        QTest::mouseRelease(frame, Qt::LeftButton, {}, frame->mapFromGlobal(QCursor::pos()));
    QCoreApplication::processEvents();
    EXPECT_FALSE(popups[0]->isVisible());
    EXPECT_FALSE(file->isDown());
    EXPECT_FALSE(file->underMouse());
    EXPECT_EQ(file->grab().toImage(), untouched);
}

INSTANTIATE_TEST_SUITE_P(Ways, CommandBarMenuClose, ::testing::Values(MenuClose::EscapeKey, MenuClose::ClickElsewhere),
                         [](const auto &instance) {
                             return std::string(instance.param == MenuClose::EscapeKey ? "EscapeKey" : "ClickElsewhere");
                         });

} // namespace
