#include "level/LevelEditing.h"

#include "level/LevelState.h"

namespace quobix::LevelEditing {

namespace {
    bool IsMan(qint16 code) { return code == SymbolCode::Man || code == SymbolCode::ManOnTarget; }

    // The changes a cell holding code makes to the counts.
    void Count(qint16 code, int by)
    {
        if (code == SymbolCode::Object || code == SymbolCode::ObjectOnTarget)
            ObjectCount = static_cast<qint16>(ObjectCount + by);
        if (code == SymbolCode::Target || code == SymbolCode::ObjectOnTarget
            || code == SymbolCode::ManOnTarget)
            TargetCount = static_cast<qint16>(TargetCount + by);
        if (IsMan(code))
            ManCount = static_cast<qint16>(ManCount + by);
    }
}

void TakeSymbol(qint16 code) { Count(code, -1); }

void AddSymbol(qint16 code) { Count(code, +1); }

bool IsValidLevel() { return ManCount == 1 && ObjectCount == TargetCount && TargetCount != 0; }

QList<ChangedCell> RemoveMenBeforePlacing(qint16 placed, qint16 replaced)
{
    QList<ChangedCell> changed;
    if (!IsMan(placed) || ManCount < 1)
        return changed;
    for (int line = 1; line <= GridRows && ManCount > 0; ++line) {
        for (;;) {
            QString& text = LevelLines[1][line];
            int p = text.indexOf(QLatin1Char('@')) + 1;
            qint16 left = SymbolCode::Floor;
            if (p == 0) {
                p = text.indexOf(QLatin1Char('+')) + 1;
                if (p == 0)
                    break;
                left = SymbolCode::Target;
            }
            text[p - 1] = SymbolChars[left].at(0);
            changed.append({ { line, (p + 1 - line % 2) / 2 }, left });
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
