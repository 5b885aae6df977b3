#pragma once

#include <QString>
#include <QStringList>

// The level files last loaded or saved, newest first, kept between runs in the user's settings.
namespace quobix::RecentLevels {

constexpr int MaxCount = 8;

QStringList List();

// path goes to the front; an older entry of the same file goes, and the list keeps MaxCount.
void Remember(const QString& path);
void Forget(const QString& path);
void Clear();

} // namespace quobix::RecentLevels
