#pragma once

#include <QString>
#include <QStringList>

namespace quobix {

// What one undoable step can change: the grid (buffer 1), the flip flags, the level's texts and
// its file.
// A step keeps the snapshot before and after it, about 7 KB; the editor limits the number of
// steps, so the history stays small.
struct LevelSnapshot {
    QStringList grid;
    bool flippedOnLoad = false;
    bool levelFlipped = false;
    QString author;
    QString topComment;
    QString bottomComment;
    QString levelFolder;
    QString levelFileName;

    static LevelSnapshot Take();
    // Puts everything back, the level's file only when asked (a step that did not change it
    // must not undo a save made since); the counts and the drawing are the caller's to redo.
    void Restore(bool withFile) const;
    bool SameFile(const LevelSnapshot& other) const
    {
        return levelFolder == other.levelFolder && levelFileName == other.levelFileName;
    }

    bool operator==(const LevelSnapshot& other) const;
    bool operator!=(const LevelSnapshot& other) const { return !(*this == other); }
};

} // namespace quobix
