#include "level/LevelSnapshot.h"

#include "level/LevelState.h"

namespace quobix {

LevelSnapshot LevelSnapshot::Take()
{
    LevelSnapshot snapshot;
    for (int line = 1; line <= GridRows; ++line)
        snapshot.grid << LevelLines[1][line];
    snapshot.flippedOnLoad = FlippedOnLoad;
    snapshot.levelFlipped = LevelFlipped;
    snapshot.author = Author;
    snapshot.topComment = TopComment;
    snapshot.bottomComment = BottomComment;
    snapshot.levelFolder = LevelFolder;
    snapshot.levelFileName = LevelFileName;
    return snapshot;
}

void LevelSnapshot::Restore(bool withFile) const
{
    for (int line = 1; line <= GridRows && line <= grid.size(); ++line)
        LevelLines[1][line] = grid[line - 1];
    FlippedOnLoad = flippedOnLoad;
    LevelFlipped = levelFlipped;
    Author = author;
    TopComment = topComment;
    BottomComment = bottomComment;
    if (withFile) {
        LevelFolder = levelFolder;
        LevelFileName = levelFileName;
    }
}

bool LevelSnapshot::operator==(const LevelSnapshot& other) const
{
    return grid == other.grid && flippedOnLoad == other.flippedOnLoad
        && levelFlipped == other.levelFlipped && author == other.author
        && topComment == other.topComment && bottomComment == other.bottomComment
        && SameFile(other);
}

} // namespace quobix
