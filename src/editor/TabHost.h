#pragma once

#include "editor/TabHostModel.h"

#include <QWidget>

class QTabBar;

// The form's tab control turned page host: a tab bar across the top and
// the pages below it, the one of the selected tab shown.
class TabHost : public QWidget, public TabHostModel {
public:
    explicit TabHost(QWidget *parent = nullptr);
    ~TabHost() override;

    QTabBar *TabBar() const { return bar_; }
    QRect PageRect() const override;

protected:
    void AppendTab(const QString &caption, int image, void *data) override;
    void RemoveTab(int i) override;
    void SelectTab(int i) override;

    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void PlaceTabBar();

    QTabBar *bar_ = nullptr;
};
