#include "level/LevelEditing.h"

#include "level/LevelState.h"

namespace quobix::LevelEditing {

namespace {
    // The changes a cell holding code makes to the counts.
    void Count(qint16 code, int by)
    {
        if (code < SymbolCode::Floor || code > SymbolCode::ManOnTarget)
            return;
        const Symbol& symbol = Symbols[code];
        ObjectCount = static_cast<qint16>(ObjectCount + by * symbol.object);
        TargetCount = static_cast<qint16>(TargetCount + by * symbol.target);
        ManCount = static_cast<qint16>(ManCount + by * symbol.man);
    }
}

void TakeSymbol(qint16 code) { Count(code, -1); }

void AddSymbol(qint16 code) { Count(code, +1); }

bool IsValidLevel() { return quobix::IsValidLevel(ManCount, ObjectCount, TargetCount); }

QList<ChangedCell> RemoveMenBeforePlacing(qint16 placed, qint16 replaced)
{
    QList<ChangedCell> changed;
    if (!IsMan(placed) || ManCount < 1)
        return changed;
    for (int line = 1; line <= GridRows && ManCount > 0; ++line) {
        for (;;) {
            QString& text = LevelLines[1][line];
            int p = text.indexOf(SymbolChar(SymbolCode::Man)) + 1;
            qint16 left = SymbolCode::Floor;
            if (p == 0) {
                p = text.indexOf(SymbolChar(SymbolCode::ManOnTarget)) + 1;
                if (p == 0)
                    break;
                left = SymbolCode::Target;
            }
            text[p - 1] = SymbolChar(left);
            changed.append({ *geometry::Cell::AtTextColumn(line, p), left });
            --ManCount;
            if (ManCount == 0)
                break;
        }
    }
    // The cell being replaced still counts as a man until its symbol is taken from the counts.
    if (IsMan(replaced))
        ++ManCount;
    return changed;
}

} // namespace quobix::LevelEditing
