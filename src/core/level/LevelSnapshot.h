#pragma once

#include <QString>
#include <QStringList>

namespace quobix {

// What one undoable step can change: the grid (buffer 1), the flip flags and the level's texts.
// A step keeps the snapshot before and after it, about 7 KB; the editor limits the number of
// steps, so the history stays small.
struct LevelSnapshot {
    QStringList grid;
    bool flippedOnLoad = false;
    bool levelFlipped = false;
    QString author;
    QString topComment;
    QString bottomComment;

    static LevelSnapshot Take();
    // Puts everything back; the counts and the drawing are the caller's to redo.
    void Restore() const;

    bool operator==(const LevelSnapshot& other) const;
    bool operator!=(const LevelSnapshot& other) const { return !(*this == other); }
};

} // namespace quobix
