#pragma once

#include "platform/MessageSeam.h"

#include <QList>
#include <QString>
#include <QStringList>

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

    QStringList texts() const;
};

// Every piece of core state back to its start value.
void ResetCoreState();

// Fills grid lines 1..26 of buffer 1 from rows of text (padded to 64 blanks); missing rows blank.
void SetGrid(const QStringList& rows, int firstRow = 1);
QStringList GridText();
