#pragma once

#include "level/LevelDocument.h"
#include "platform/MessageSeam.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <functional>

struct RecordedMessage {
    QString text;
    QString title;
    quobix::MsgButtons buttons;
    quobix::MsgIcon icon;
};

// Binds the message seam for its lifetime: records every message box and answers the questions
// from a queue (No when the queue is empty).
class MessageRecorder {
public:
    MessageRecorder();
    ~MessageRecorder();
    MessageRecorder(const MessageRecorder&) = delete;
    MessageRecorder& operator=(const MessageRecorder&) = delete;

    QList<RecordedMessage> calls;
    QList<qint16> answers;
    std::function<void()> onMessage; // runs while a box is shown, before it is answered

    QStringList texts() const;
};

// Whole files, written (true when all of it was) and read back; a file that cannot be read
// reads as empty.
bool WriteFile(const QString& path, const QByteArray& bytes);
QByteArray ReadFile(const QString& path);

// Fills grid lines 1..26 of buffer 1 from rows of text (padded to 64 blanks, missing rows
// blank) and tells the level's views.
void SetGrid(quobix::LevelDocument& level, const QStringList& rows, int firstRow = 1);

// How a child process made by RunInChild is limited.
struct ChildLimits {
    qint64 fileSizeLimit = -1; // RLIMIT_FSIZE in bytes, SIGXFSZ ignored: writes past it fail
    bool asNobody = false; // as root, drop to the unprivileged user nobody
    int timeoutSeconds = 20; // a child still running then is killed
};

// Runs body in a forked child process under limits and returns the text it gives back, or
// "<child timed out>" / "<child died>"; faults such as a full disk are then real, not faked.
QString RunInChild(const std::function<QString()>& body, const ChildLimits& limits = {});
