#include "ui/accessibility/tile_description.h"

#include "round/board.h"
#include "words/windows1252.h"

#include <QCoreApplication>
#include <QWidget>

namespace TileDescription {
namespace {
QString stateWords(TileState state)
{
    switch (state) {
    case TileState::Movable: return QCoreApplication::translate("TileDescription", "movable");
    case TileState::Placed: return QCoreApplication::translate("TileDescription", "placed");
    case TileState::Solved: return QCoreApplication::translate("TileDescription", "row complete");
    case TileState::Retired: break;
    }
    return QString();
}
} // namespace

void describe(QWidget &tile, const tTile &slot)
{
    const QString name = fromWindows1252(slot.Panel.caption);
    QString description = stateWords(slot.Panel.state);
    // Rows are counted down each block, as the player sees them.
    if (!description.isEmpty() && slot.RowIndex != RetiredRow)
        description += QCoreApplication::translate("TileDescription", ", row %1").arg(slot.RowIndex + 1);
    if (tile.accessibleName() != name)
        tile.setAccessibleName(name);
    if (tile.accessibleDescription() != description)
        tile.setAccessibleDescription(description);
}

} // namespace TileDescription
