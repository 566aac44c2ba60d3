// Every parser of the framework's resource tables over arbitrary bytes: a
// damaged table must be refused, never crash or recurse without end.

#include "FuzzInput.h"
#include "ui/AcceleratorTable.h"
#include "ui/MenuResource.h"
#include "ui/StringTable.h"
#include "ui/ToolBarResource.h"

#include <QByteArray>
#include <QKeyCombination>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray json = FuzzBytes(data, size);
    if (const auto strings = StringTable::Parse(json)) {
        for (int id : strings->Ids())
            SplitCommandPrompt(strings->Text(id));
    }
    if (const auto menus = MenuResources::Parse(json))
        (void)menus->Menu(128);
    if (const auto bars = ToolBarResources::Parse(json))
        (void)bars->ToolBar(128);
    if (const auto keys = AcceleratorTables::Parse(json))
        (void)keys->Lookup(128, QKeyCombination(Qt::ControlModifier, Qt::Key_N));
    return 0;
}
