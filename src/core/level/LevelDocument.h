#pragma once

#include "geometry/Cell.h"
#include "level/LevelSnapshot.h"
#include "level/LevelText.h"
#include "level/Symbols.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <functional>
#include <utility>
#include <vector>

namespace quobix {

// What changed in a level, as its views hear it.
struct LevelChange {
    enum class Kind {
        Cells, // cells placed, in the order they changed
        Cleared, // the grid emptied
        Grid, // the whole grid rewritten (a displacement, a load, an undo step)
        File, // the level's folder, file name or flip
        Texts // the author or a comment
    };
    Kind kind;
    QList<geometry::Cell> cells;
};

// One level: its text in four buffers (buffer 1 lines 1..26 are the grid), its extent, counts,
// file and texts, under the names the program has always used. Every change to the level goes
// through it, and it tells its views what changed. A copy is a level of its own, without views.
class LevelDocument {
public:
    LevelDocument(); // the empty grid
    LevelDocument(const LevelDocument& other);
    // The other's level; the views stay and hear that everything changed.
    LevelDocument& operator=(const LevelDocument& other);

    // Indexed (buffer 1..4, line 1..52); index 0 of both stays unused.
    QString LevelLines[BufferCount + 1][BufferLines + 1];

    // The last measurement of buffer 1 (modText) and the extracted level in buffer 2.
    qint16 FirstUsedLine = 0;
    qint16 LastUsedLine = 0;
    qint16 LevelHeight = 0;
    qint16 LevelWidth = 0;
    int LeftMargin = 0; // a row read from a file may start far out
    qint16 MarginLine = 0;

    // The counts of the grid, kept by every change.
    qint16 ObjectCount = 0;
    qint16 TargetCount = 0;
    qint16 ManCount = 0;

    QString LevelFolder; // ends in the platform's separator
    QString LevelFileName; // empty for a level without a file
    QString Author;
    QString TopComment;
    QString BottomComment;
    // The grid holds the level of its file upside down, and the reader had to flip it.
    bool LevelFlipped = false;
    bool FlippedOnLoad = false;

    // The symbol a grid cell holds: 0..6, or 7 (None) for a character that is no symbol.
    qint16 SymbolAt(geometry::Cell at) const;
    // Exactly one man, as many objects as targets, at least one target.
    bool IsValid() const { return IsValidLevel(ManCount, ObjectCount, TargetCount); }
    // Grid lines 1..26.
    QStringList GridRows() const;
    // Some cell of the grid is not blank.
    bool HasLevel() const;

    // Puts a symbol in a cell. With oneMan, a man placed first takes every other man off the
    // grid (a man on a target leaves the target), row by row.
    void Place(geometry::Cell at, qint16 symbol, bool oneMan);
    // The empty grid.
    void Clear();
    // The empty grid of a level without a file.
    void New();
    void SetFile(const QString& folder, const QString& fileName);
    void SetTexts(const QString& author, const QString& topComment, const QString& bottomComment);
    // After the grid text was rewritten in place: counts the grid again and tells the views.
    void GridChanged();

    LevelSnapshot Snapshot() const;
    // Puts a snapshot back; its file only when asked (a step that did not change the file must
    // not undo a save made since).
    void Restore(const LevelSnapshot& snapshot, bool withFile);

    using View = std::function<void(const LevelChange&)>;
    // Returns an id for RemoveView.
    int AddView(View view);
    void RemoveView(int id);

private:
    void SetSymbol(geometry::Cell at, qint16 symbol);
    void Count(qint16 symbol, int by);
    void Recount();
    void Tell(const LevelChange& change) const;
    void CopyLevel(const LevelDocument& other);

    std::vector<std::pair<int, View>> views;
    int nextView = 1;
};

} // namespace quobix
