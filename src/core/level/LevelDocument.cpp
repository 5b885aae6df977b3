#include "level/LevelDocument.h"

namespace quobix {

using geometry::Cell;

LevelDocument::LevelDocument()
{
    for (int line = 1; line <= quobix::GridRows; ++line)
        LevelLines[1][line] = QString(LineWidth, QLatin1Char(' '));
}

LevelDocument::LevelDocument(const LevelDocument& other) { CopyLevel(other); }

LevelDocument& LevelDocument::operator=(const LevelDocument& other)
{
    if (this == &other)
        return *this;
    CopyLevel(other);
    Tell({ LevelChange::Kind::Grid, {} });
    Tell({ LevelChange::Kind::File, {} });
    Tell({ LevelChange::Kind::Texts, {} });
    return *this;
}

void LevelDocument::CopyLevel(const LevelDocument& other)
{
    for (int buffer = 1; buffer <= BufferCount; ++buffer)
        for (int line = 1; line <= BufferLines; ++line)
            LevelLines[buffer][line] = other.LevelLines[buffer][line];
    FirstUsedLine = other.FirstUsedLine;
    LastUsedLine = other.LastUsedLine;
    LevelHeight = other.LevelHeight;
    LevelWidth = other.LevelWidth;
    LeftMargin = other.LeftMargin;
    MarginLine = other.MarginLine;
    ObjectCount = other.ObjectCount;
    TargetCount = other.TargetCount;
    ManCount = other.ManCount;
    LevelFolder = other.LevelFolder;
    LevelFileName = other.LevelFileName;
    Author = other.Author;
    TopComment = other.TopComment;
    BottomComment = other.BottomComment;
    LevelFlipped = other.LevelFlipped;
    FlippedOnLoad = other.FlippedOnLoad;
}

qint16 LevelDocument::SymbolAt(Cell at) const
{
    return SymbolIndexOf(CharAt(LevelLines[1][at.row], at.TextColumn()));
}

QStringList LevelDocument::GridRows() const
{
    QStringList rows;
    for (int line = 1; line <= quobix::GridRows; ++line)
        rows << LevelLines[1][line];
    return rows;
}

bool LevelDocument::HasLevel() const
{
    for (int line = 1; line <= quobix::GridRows; ++line)
        for (const QChar c : LevelLines[1][line])
            if (c != QLatin1Char(' '))
                return true;
    return false;
}

void LevelDocument::Count(qint16 symbol, int by)
{
    if (symbol < SymbolCode::Floor || symbol > SymbolCode::ManOnTarget)
        return;
    const Symbol& s = Symbols[symbol];
    ObjectCount = static_cast<qint16>(ObjectCount + by * s.object);
    TargetCount = static_cast<qint16>(TargetCount + by * s.target);
    ManCount = static_cast<qint16>(ManCount + by * s.man);
}

void LevelDocument::Recount()
{
    ObjectCount = TargetCount = ManCount = 0;
    for (int index = 0; index < quobix::GridRows * GridCells; ++index)
        Count(SymbolAt(Cell::OfIndex(index)), +1);
}

void LevelDocument::SetSymbol(Cell at, qint16 symbol)
{
    QString& line = LevelLines[1][at.row];
    Count(SymbolAt(at), -1);
    SetCharAt(line, at.TextColumn(), SymbolChar(symbol));
    Count(symbol, +1);
}

void LevelDocument::Place(Cell at, qint16 symbol, bool oneMan)
{
    LevelChange change { LevelChange::Kind::Cells, {} };
    if (oneMan && IsMan(symbol)) {
        // The men of each row in turn: men on floor from the left, then men on targets.
        for (int line = 1; line <= quobix::GridRows && ManCount > 0; ++line) {
            for (const qint16 man : { SymbolCode::Man, SymbolCode::ManOnTarget }) {
                for (int p = LevelLines[1][line].indexOf(SymbolChar(man)); p >= 0;
                     p = LevelLines[1][line].indexOf(SymbolChar(man))) {
                    const Cell cell = *Cell::AtTextColumn(line, p + 1);
                    SetSymbol(
                        cell, man == SymbolCode::Man ? SymbolCode::Floor : SymbolCode::Target);
                    change.cells << cell;
                }
            }
        }
    }
    SetSymbol(at, symbol);
    change.cells << at;
    Tell(change);
}

void LevelDocument::Clear()
{
    for (int line = 1; line <= quobix::GridRows; ++line)
        LevelLines[1][line] = QString(LineWidth, QLatin1Char(' '));
    ObjectCount = TargetCount = ManCount = 0;
    Tell({ LevelChange::Kind::Cleared, {} });
}

void LevelDocument::New()
{
    // The folder stays: the load window opens there next.
    LevelFileName.clear();
    LevelFlipped = false;
    Tell({ LevelChange::Kind::File, {} });
    Clear();
}

void LevelDocument::SetFile(const QString& folder, const QString& fileName)
{
    LevelFolder = folder;
    LevelFileName = fileName;
    Tell({ LevelChange::Kind::File, {} });
}

void LevelDocument::SetTexts(
    const QString& author, const QString& topComment, const QString& bottomComment)
{
    Author = author;
    TopComment = topComment;
    BottomComment = bottomComment;
    Tell({ LevelChange::Kind::Texts, {} });
}

void LevelDocument::GridChanged()
{
    Recount();
    Tell({ LevelChange::Kind::Grid, {} });
}

LevelSnapshot LevelDocument::Snapshot() const
{
    return { GridRows(), FlippedOnLoad, LevelFlipped, Author, TopComment, BottomComment,
        LevelFolder, LevelFileName };
}

void LevelDocument::Restore(const LevelSnapshot& snapshot, bool withFile)
{
    for (int line = 1; line <= quobix::GridRows && line <= snapshot.grid.size(); ++line)
        LevelLines[1][line] = snapshot.grid[line - 1];
    FlippedOnLoad = snapshot.flippedOnLoad;
    LevelFlipped = snapshot.levelFlipped;
    Author = snapshot.author;
    TopComment = snapshot.topComment;
    BottomComment = snapshot.bottomComment;
    if (withFile) {
        LevelFolder = snapshot.levelFolder;
        LevelFileName = snapshot.levelFileName;
    }
    GridChanged();
    Tell({ LevelChange::Kind::File, {} });
}

int LevelDocument::AddView(View view)
{
    views.emplace_back(nextView, std::move(view));
    return nextView++;
}

void LevelDocument::RemoveView(int id)
{
    for (auto it = views.begin(); it != views.end(); ++it)
        if (it->first == id) {
            views.erase(it);
            return;
        }
}

void LevelDocument::Tell(const LevelChange& change) const
{
    for (const auto& [id, view] : views)
        view(change);
}

} // namespace quobix
