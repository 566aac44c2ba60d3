#include "ui/TabCycle.h"

#include <QList>
#include <QWidget>

namespace {

bool IsTabStop(const QWidget &root, const QWidget &widget)
{
    return root.isAncestorOf(&widget) && widget.isVisible() && widget.isEnabled() && !widget.focusProxy()
           && (widget.focusPolicy() & Qt::TabFocus);
}

} // namespace

QWidget *NextTabStopWithin(QWidget &root, QWidget *from, bool forward)
{
    // The focus chain runs through the whole window; the part inside root,
    // in chain order, is the form's own tab order.
    QList<QWidget *> stops;
    for (QWidget *w = root.nextInFocusChain(); w && w != &root; w = w->nextInFocusChain()) {
        if (stops.contains(w))
            break;
        if (IsTabStop(root, *w))
            stops.append(w);
    }
    if (stops.isEmpty())
        return nullptr;
    // A control whose focus goes to an inner widget counts as that widget.
    while (from && from->focusProxy())
        from = from->focusProxy();
    qsizetype at = -1;
    for (QWidget *w = from; w && at < 0 && w != &root; w = w->parentWidget())
        at = stops.indexOf(w);
    if (at < 0)
        return forward ? stops.first() : stops.last();
    const qsizetype n = stops.size();
    return stops.at((at + (forward ? 1 : n - 1)) % n);
}
