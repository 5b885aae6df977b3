#include "common/TestSupport.h"

#include "displace/DisplaceState.h"
#include "files/LoadSaveState.h"
#include "level/LevelState.h"

using namespace quobix;

MessageRecorder::MessageRecorder()
{
    SetMessageBoxHandler([this](const QString& text, const QString& title, MsgButtons buttons,
                             MsgIcon icon) -> qint16 {
        calls.append({ text, title, buttons, icon });
        if (buttons == MsgButtons::OK)
            return vbOK;
        return answers.isEmpty() ? vbNo : answers.takeFirst();
    });
}

MessageRecorder::~MessageRecorder() { SetMessageBoxHandler({}); }

QStringList MessageRecorder::texts() const
{
    QStringList result;
    for (const auto& call : calls)
        result << call.text;
    return result;
}

void ResetCoreState()
{
    InitLevelState();
    InitLoadSaveState();
    InitDisplaceState();
}

void SetGrid(const QStringList& rows, int firstRow)
{
    for (int line = 1; line <= GridRows; ++line)
        LevelLines[1][line] = QString(LineWidth, QLatin1Char(' '));
    for (int i = 0; i < rows.size(); ++i)
        LevelLines[1][firstRow + i] = rows[i].leftJustified(LineWidth, QLatin1Char(' '), true);
}

QStringList GridText()
{
    QStringList rows;
    for (int line = 1; line <= quobix::GridRows; ++line)
        rows << LevelLines[1][line];
    return rows;
}
