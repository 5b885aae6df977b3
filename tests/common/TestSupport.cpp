#include "common/TestSupport.h"

#include "displace/DisplaceState.h"
#include "level/LevelState.h"
#include "messages/LoadSaveState.h"
#include "state/CoreState.h"

#include <QElapsedTimer>
#include <QFile>
#include <csignal>
#include <fcntl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace quobix;

MessageRecorder::MessageRecorder()
{
    SetMessageBoxHandler([this](const QString& text, const QString& title, MsgButtons buttons,
                             MsgIcon icon) -> qint16 {
        calls.append({ text, title, buttons, icon });
        if (onMessage)
            onMessage();
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

void WriteFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    if (file.open(QIODevice::WriteOnly))
        file.write(bytes);
}

QByteArray ReadFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void ResetCoreState() { InitCoreState(); }

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

QString RunInChild(const std::function<QString()>& body, const ChildLimits& limits)
{
    int channel[2];
    if (pipe(channel) != 0)
        return QStringLiteral("<no pipe>");
    const pid_t child = fork();
    if (child == 0) {
        close(channel[0]);
        if (limits.fileSizeLimit >= 0) {
            signal(SIGXFSZ, SIG_IGN);
            const rlimit limit { rlim_t(limits.fileSizeLimit), rlim_t(limits.fileSizeLimit) };
            setrlimit(RLIMIT_FSIZE, &limit);
        }
        if (limits.asNobody && geteuid() == 0 && (setgid(65534) != 0 || setuid(65534) != 0))
            _exit(3);
        const QByteArray answer = body().toUtf8();
        qsizetype written = 0;
        while (written < answer.size()) {
            const ssize_t n = write(channel[1], answer.constData() + written,
                static_cast<size_t>(answer.size() - written));
            if (n <= 0)
                _exit(2);
            written += n;
        }
        _exit(0);
    }
    close(channel[1]);
    if (child < 0) {
        close(channel[0]);
        return QStringLiteral("<no child>");
    }
    // The pipe is read while waiting, so a long answer never blocks the child.
    QByteArray answer;
    QElapsedTimer clock;
    clock.start();
    int status = 0;
    bool timedOut = false;
    fcntl(channel[0], F_SETFL, O_NONBLOCK);
    for (;;) {
        char chunk[4096];
        const ssize_t n = read(channel[0], chunk, sizeof chunk);
        if (n > 0) {
            answer.append(chunk, n);
            continue;
        }
        if (waitpid(child, &status, WNOHANG) == child)
            break;
        if (clock.elapsed() > limits.timeoutSeconds * 1000) {
            kill(child, SIGKILL);
            waitpid(child, &status, 0);
            timedOut = true;
            break;
        }
        usleep(5000);
    }
    char chunk[4096];
    for (ssize_t n; (n = read(channel[0], chunk, sizeof chunk)) > 0;)
        answer.append(chunk, n);
    close(channel[0]);
    if (timedOut)
        return QStringLiteral("<child timed out>");
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0)
        return QStringLiteral("<child died>");
    return QString::fromUtf8(answer);
}
