#pragma once

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QRect>
#include <QSize>
#include <QString>
#include <optional>

class QDialog;
class QWidget;

// A dialog template: caption, size and controls, all placed in dialog units
// (DialogUnits.h), so the dialog scales with the user's font.
struct DialogControl {
    enum class Kind { Text, GroupBox, Icon, Button, Edit };
    Kind kind = Kind::Text;
    int id = -1;            // -1 for controls nobody addresses
    QString text;           // for an icon: the icon file under icons/
    QRect rect;             // dialog units
    bool isDefault = false; // buttons: the default button
};

struct DialogTemplate {
    QString caption;
    QSize size; // dialog units
    QList<DialogControl> controls;
};

// {"dialogs": {"<id>": {"caption": c, "size": [w, h], "controls": [
//   {"kind": "text"|"group"|"icon"|"button"|"edit", "id": n, "text": t,
//    "rect": [x, y, w, h], "default": true}, ...]}}}
class DialogTemplates {
public:
    static std::optional<DialogTemplates> Parse(const QByteArray &json);
    std::optional<DialogTemplate> Dialog(int id) const;

private:
    QHash<int, DialogTemplate> dialogs_;
};

const DialogTemplates &AppDialogTemplates();

// Builds the template's controls into the dialog, sizes the dialog and sets
// its caption. A button with id 1 (OK) accepts, id 2 (Cancel) rejects.
// Returns the controls that have an id.
QHash<int, QWidget *> BuildDialog(QDialog *dialog, const DialogTemplate &layout);
