#include "ui/DialogTemplate.h"

#include "ui/ControlIds.h"
#include "ui/DialogUnits.h"
#include "ui/FixedDialog.h"
#include "ui/JsonResource.h"
#include "ui/ToolBarResource.h"

#include <QDialog>
#include <QGroupBox>
#include <QJsonArray>
#include <QJsonObject>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {

// Nothing of ours is anywhere near this; a larger value is a broken file.
constexpr int kMaxDialogUnits = 2000;

std::optional<QRect> ParseRect(const QJsonValue &value)
{
    const QJsonArray a = value.toArray();
    if (a.size() != 4)
        return std::nullopt;
    int v[4];
    for (int i = 0; i < 4; ++i) {
        v[i] = a.at(i).toInt(-1);
        if (!a.at(i).isDouble() || v[i] < 0 || v[i] > kMaxDialogUnits)
            return std::nullopt;
    }
    return QRect(v[0], v[1], v[2], v[3]);
}

std::optional<DialogControl::Kind> ParseKind(const QString &kind)
{
    if (kind == QLatin1String("text"))
        return DialogControl::Kind::Text;
    if (kind == QLatin1String("group"))
        return DialogControl::Kind::GroupBox;
    if (kind == QLatin1String("icon"))
        return DialogControl::Kind::Icon;
    if (kind == QLatin1String("button"))
        return DialogControl::Kind::Button;
    if (kind == QLatin1String("edit"))
        return DialogControl::Kind::Edit;
    return std::nullopt;
}

std::optional<DialogTemplate> ParseDialog(const QJsonValue &value)
{
    if (!value.isObject())
        return std::nullopt;
    const QJsonObject object = value.toObject();
    const QJsonArray sizeUnits = object.value(QLatin1String("size")).toArray();
    const std::optional<QRect> size =
        sizeUnits.size() == 2 ? ParseRect(QJsonArray{0, 0, sizeUnits.at(0), sizeUnits.at(1)}) : std::nullopt;
    if (!size || !object.value(QLatin1String("controls")).isArray())
        return std::nullopt;
    DialogTemplate dialog;
    dialog.caption = object.value(QLatin1String("caption")).toString();
    dialog.size = size->size();
    for (const QJsonValue &entry : object.value(QLatin1String("controls")).toArray()) {
        const QJsonObject c = entry.toObject();
        const std::optional<DialogControl::Kind> kind = ParseKind(c.value(QLatin1String("kind")).toString());
        const std::optional<QRect> rect = ParseRect(c.value(QLatin1String("rect")));
        if (!kind || !rect)
            return std::nullopt;
        DialogControl control;
        control.kind = *kind;
        control.id = c.value(QLatin1String("id")).toInt(-1);
        control.text = c.value(QLatin1String("text")).toString();
        control.rect = *rect;
        control.isDefault = c.value(QLatin1String("default")).toBool();
        dialog.controls.append(control);
    }
    return dialog;
}

} // namespace

std::optional<DialogTemplates> DialogTemplates::Parse(const QByteArray &json)
{
    const std::optional<QJsonObject> root = ParseJsonObject(json);
    if (!root || !root->value(QLatin1String("dialogs")).isObject())
        return std::nullopt;
    DialogTemplates result;
    const QJsonObject dialogs = root->value(QLatin1String("dialogs")).toObject();
    for (auto it = dialogs.begin(); it != dialogs.end(); ++it) {
        const std::optional<int> id = ParseResourceId(it.key());
        const std::optional<DialogTemplate> dialog = ParseDialog(it.value());
        if (!id || !dialog)
            return std::nullopt;
        result.dialogs_.insert(*id, *dialog);
    }
    return result;
}

std::optional<DialogTemplate> DialogTemplates::Dialog(int id) const
{
    const auto it = dialogs_.constFind(id);
    if (it == dialogs_.constEnd())
        return std::nullopt;
    return *it;
}

const DialogTemplates &AppDialogTemplates()
{
    static const DialogTemplates templates =
        DialogTemplates::Parse(ReadResourceBytes(QStringLiteral("dialogs.json"))).value_or(DialogTemplates{});
    return templates;
}

QHash<int, QWidget *> BuildDialog(QDialog *dialog, const DialogTemplate &layout)
{
    const DialogBaseUnits base = DialogBaseUnitsOf(dialog->font());
    dialog->setWindowTitle(layout.caption);
    SetFixedDialogSize(*dialog, DialogSizeToPixels(layout.size, base));
    QHash<int, QWidget *> byId;
    for (const DialogControl &control : layout.controls) {
        QWidget *widget = nullptr;
        switch (control.kind) {
        case DialogControl::Kind::Text: {
            auto *label = new QLabel(control.text, dialog);
            label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
            label->setWordWrap(true);
            label->setTextFormat(Qt::PlainText);
            widget = label;
            break;
        }
        case DialogControl::Kind::GroupBox: widget = new QGroupBox(control.text, dialog); break;
        case DialogControl::Kind::Icon: {
            auto *label = new QLabel(dialog);
            const QRect pixels = DialogRectToPixels(control.rect, base);
            const int side = qMax(16, qMin(pixels.width(), pixels.height()));
            label->setPixmap(NamedIcon(control.text).pixmap(side, side));
            widget = label;
            break;
        }
        case DialogControl::Kind::Button: {
            auto *button = new QPushButton(control.text, dialog);
            button->setDefault(control.isDefault);
            button->setAutoDefault(control.isDefault);
            if (control.id == kCtlOk)
                QObject::connect(button, &QPushButton::clicked, dialog, &QDialog::accept);
            else if (control.id == kCtlCancel)
                QObject::connect(button, &QPushButton::clicked, dialog, &QDialog::reject);
            widget = button;
            break;
        }
        case DialogControl::Kind::Edit: widget = new QLineEdit(control.text, dialog); break;
        }
        widget->setGeometry(DialogRectToPixels(control.rect, base));
        // Group boxes are drawn first so the controls inside stay on top.
        if (control.kind == DialogControl::Kind::GroupBox)
            widget->lower();
        if (control.id >= 0)
            byId.insert(control.id, widget);
    }
    return byId;
}
