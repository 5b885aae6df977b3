#include "files/LevelNotation.h"

#include "level/LevelText.h"
#include "level/Symbols.h"

#include <QStringDecoder>

namespace quobix::LevelNotation {

namespace {
    constexpr char16_t Blank = u' ';
    constexpr char16_t Cr = u'\r';
    constexpr char16_t Lf = u'\n';
}

QString DecodeLevelText(const QByteArray& bytes)
{
    QByteArrayView rest(bytes);
    if (rest.startsWith("\xEF\xBB\xBF"))
        rest = rest.sliced(3);
    // A second mark is text of the file and stays; a cut-off sequence at the end is an error.
    QStringDecoder utf8(QStringConverter::Utf8,
        QStringConverter::Flag::Stateless | QStringConverter::Flag::ConvertInitialBom);
    QString text = utf8.decode(rest);
    if (!utf8.hasError())
        return text;
    return QString::fromLatin1(rest);
}

bool NextLine(QStringView text, qsizetype& position, QStringView& line)
{
    const qsizetype size = text.size();
    if (position >= size)
        return false;
    qsizetype end = position;
    while (end < size && text[end] != Cr && text[end] != Lf)
        ++end;
    line = text.sliced(position, end - position);
    if (end < size)
        end += (text[end] == Cr && end + 1 < size && text[end + 1] == Lf) ? 2 : 1;
    position = end;
    return true;
}

bool IsLevelLine(QStringView line)
{
    if (line.isEmpty())
        return false;
    for (QChar c : line)
        if (SymbolCodeOf(c) < 0)
            return false;
    return true;
}

bool HasAuthorKeyword(QStringView line)
{
    static constexpr char16_t Keyword[] = u"AUTHOR:";
    if (line.size() < 7)
        return false;
    for (int i = 0; i < 7; ++i) {
        char16_t c = line[i].unicode();
        if (c >= u'a' && c <= u'z')
            c = static_cast<char16_t>(c - u'a' + u'A');
        if (c != Keyword[i])
            return false;
    }
    return true;
}

QString AuthorOf(QStringView line)
{
    QStringView rest = line.size() > 7 ? line.sliced(7) : QStringView();
    while (!rest.isEmpty() && rest.front() == Blank)
        rest = rest.sliced(1);
    while (!rest.isEmpty() && rest.back() == Blank)
        rest.chop(1);
    return rest.toString();
}

QString XsbRowToQbx(QStringView row, int k)
{
    QString qbx;
    qbx.reserve(k - 1 + 2 * row.size());
    qbx.fill(Blank, k - 1);
    for (QChar c : row) {
        qbx.append(c);
        qbx.append(Blank);
    }
    return TrimTrailingBlanks(qbx);
}

int XsbShift(int n, int k, int marginRow) { return (n - k) + (n + marginRow) % 2; }

QString OddPositions(QStringView text)
{
    QString odd;
    odd.reserve((text.size() + 1) / 2);
    for (qsizetype i = 0; i < text.size(); i += 2)
        odd.append(text[i]);
    return odd;
}

int LeadingBlanks(QStringView text)
{
    int count = 0;
    while (count < text.size() && text[count] == Blank)
        ++count;
    return count;
}

bool IsInterleaved(QStringView row, int k, int marginRow)
{
    const int first = (marginRow + k) % 2 == 0 ? 2 : 1;
    for (qsizetype column = first; column <= row.size(); column += 2)
        if (row[column - 1] != Blank)
            return false;
    return true;
}

QString WithCrLf(const QString& text)
{
    const qsizetype size = text.size();
    // The first break that is not CR LF; texts from the editor's own fields have none.
    qsizetype i = 0;
    for (; i < size; ++i) {
        if (text[i] == Lf)
            break;
        if (text[i] == Cr) {
            if (i + 1 == size || text[i + 1] != Lf)
                break;
            ++i;
        }
    }
    if (i == size)
        return text;
    QString result;
    result.reserve(size + size / 8);
    result.append(QStringView(text).first(i));
    for (; i < size; ++i) {
        const QChar c = text[i];
        if (c == Cr || c == Lf) {
            result.append(QLatin1String("\r\n"));
            if (c == Cr && i + 1 < size && text[i + 1] == Lf)
                ++i;
        } else {
            result.append(c);
        }
    }
    return result;
}

} // namespace quobix::LevelNotation
