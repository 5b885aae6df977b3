#pragma once

#include <QString>
#include <QStringList>

namespace quobix {

// What one undoable step can change: the grid (buffer 1), the flip flags, the level's texts and
// its file. A step keeps the snapshot before and after it, about 7 KB; the editor limits the
// number of steps, so the history stays small.
struct LevelSnapshot {
    QStringList grid;
    bool flippedOnLoad = false;
    bool levelFlipped = false;
    QString author;
    QString topComment;
    QString bottomComment;
    QString levelFolder;
    QString levelFileName;

    bool SameFile(const LevelSnapshot& other) const
    {
        return levelFolder == other.levelFolder && levelFileName == other.levelFileName;
    }
    bool operator==(const LevelSnapshot& other) const
    {
        return grid == other.grid && flippedOnLoad == other.flippedOnLoad
            && levelFlipped == other.levelFlipped && author == other.author
            && topComment == other.topComment && bottomComment == other.bottomComment
            && SameFile(other);
    }
    bool operator!=(const LevelSnapshot& other) const { return !(*this == other); }
};

} // namespace quobix
