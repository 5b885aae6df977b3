#include "level/LevelText.h"

namespace quobix {

QChar CharAt(const QString& line, int position)
{
    if (position < 1 || position > line.size())
        return QLatin1Char(' ');
    return line.at(position - 1);
}

void SetCharAt(QString& line, int position, QChar c)
{
    if (position < 1)
        return;
    if (line.size() < position)
        line.append(QString(position - line.size(), QLatin1Char(' ')));
    line[position - 1] = c;
}

QString TrimTrailingBlanks(const QString& text)
{
    int n = text.size();
    while (n > 0 && text.at(n - 1) == QLatin1Char(' '))
        --n;
    return text.left(n);
}

QString TrimLeadingBlanks(const QString& text)
{
    int i = 0;
    while (i < text.size() && text.at(i) == QLatin1Char(' '))
        ++i;
    return text.mid(i);
}

} // namespace quobix
