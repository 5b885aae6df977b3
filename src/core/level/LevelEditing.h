#pragma once

#include "geometry/Cell.h"

#include <QList>
#include <QtGlobal>

// What editing one cell of the grid does to the level: the counts follow every symbol placed
// or replaced, and a level holds one man when symbols are picked.
namespace quobix::LevelEditing {

// The counts (ObjectCount, TargetCount, ManCount) without, or with, one cell holding code.
void TakeSymbol(qint16 code);
void AddSymbol(qint16 code);

// Exactly one man, as many objects as targets, and at least one target.
bool IsValidLevel();

struct ChangedCell {
    geometry::Cell at;
    qint16 symbol;
};

// Before a man (or man on target) is placed on a cell holding replaced, every man in buffer 1
// becomes floor (a man on target a target), and ManCount counts the men that remain; the cells
// changed come back, top to bottom, so that they can be drawn again.
QList<ChangedCell> RemoveMenBeforePlacing(qint16 placed, qint16 replaced);

} // namespace quobix::LevelEditing
