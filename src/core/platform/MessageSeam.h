#pragma once

#include <QString>
#include <functional>

// Every message box of the program goes through this one function, so that the editor can
// bind it to real dialogs and the tests to a recorder.
namespace quobix {

enum class MsgButtons { OK, YesNo };
enum class MsgIcon { Critical, Exclamation, Question, Information };

// Answer codes of a message box.
constexpr qint16 vbOK = 1;
constexpr qint16 vbYes = 6;
constexpr qint16 vbNo = 7;

// A message box as data: an operation returns its messages, and whoever called it shows them.
struct Message {
    QString text; // CR alone breaks its lines
    QString title;
    MsgButtons buttons = MsgButtons::OK;
    MsgIcon icon = MsgIcon::Critical;

    bool operator==(const Message& other) const
    {
        return text == other.text && title == other.title && buttons == other.buttons
            && icon == other.icon;
    }
};

using MessageBoxHandler
    = std::function<qint16(const QString& text, const QString& title, MsgButtons, MsgIcon)>;

// Binds the handler; an empty handler answers OK, or No to a question, without showing anything.
void SetMessageBoxHandler(MessageBoxHandler handler);

// Shows a modal message box; the text uses CR alone as its line break. Returns the answer code.
qint16 ShowMessageBox(const QString& text, const QString& title, MsgButtons buttons, MsgIcon icon);
inline qint16 Show(const Message& m) { return ShowMessageBox(m.text, m.title, m.buttons, m.icon); }

} // namespace quobix
