#include "common/TestSupport.h"

#include "level/LevelDocument.h"

#include <QFile>
#include <cerrno>
#include <csignal>
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

bool WriteFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.flush();
}

QByteArray ReadFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void SetGrid(LevelDocument& level, const QStringList& rows, int firstRow)
{
    for (int line = 1; line <= GridRows; ++line)
        level.LevelLines[1][line] = QString(LineWidth, QLatin1Char(' '));
    for (int i = 0; i < rows.size(); ++i)
        level.LevelLines[1][firstRow + i]
            = rows[i].leftJustified(LineWidth, QLatin1Char(' '), true);
    level.GridChanged();
}

QString RunInChild(const std::function<QString()>& body, const ChildLimits& limits)
{
    int channel[2];
    if (pipe(channel) != 0)
        return QStringLiteral("<no pipe>");
    const pid_t child = fork();
    if (child == 0) {
        close(channel[0]);
        // A child stuck on a fault (a FIFO nobody writes, say) is killed by its own alarm.
        alarm(unsigned(limits.timeoutSeconds));
        if (limits.fileSizeLimit >= 0) {
            signal(SIGXFSZ, SIG_IGN);
            const rlimit limit { rlim_t(limits.fileSizeLimit), rlim_t(limits.fileSizeLimit) };
            setrlimit(RLIMIT_FSIZE, &limit);
        }
        if (limits.asNobody && geteuid() == 0 && (setgid(65534) != 0 || setuid(65534) != 0))
            _exit(3);
        const QByteArray answer = body().toUtf8();
        for (qsizetype written = 0; written < answer.size();) {
            const ssize_t n = write(channel[1], answer.constData() + written,
                static_cast<size_t>(answer.size() - written));
            if (n <= 0)
                _exit(2);
            written += n;
        }
        _exit(0);
    }
    close(channel[1]);
    // Read to the end while the child runs, so that a long answer never blocks it.
    QByteArray answer;
    char chunk[4096];
    for (ssize_t n; child > 0 && (n = read(channel[0], chunk, sizeof chunk)) != 0;)
        if (n > 0)
            answer.append(chunk, n);
        else if (errno != EINTR)
            break;
    close(channel[0]);
    int status = 0;
    if (child < 0 || waitpid(child, &status, 0) != child)
        return QStringLiteral("<no child>");
    if (WIFSIGNALED(status) && WTERMSIG(status) == SIGALRM)
        return QStringLiteral("<child timed out>");
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0)
        return QStringLiteral("<child died>");
    return QString::fromUtf8(answer);
}
