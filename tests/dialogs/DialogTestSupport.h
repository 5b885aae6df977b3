#pragma once

#include <QApplication>
#include <QFile>
#include <QString>
#include <QTimer>
#include <QWidget>
#include <functional>

// Runs action on the modal window of type T as soon as it is shown; the caller then opens it.
template <typename T> void WhenShown(std::function<void(T*)> action)
{
    QTimer::singleShot(0, [action] {
        auto* window = qobject_cast<T*>(QApplication::activeModalWidget());
        if (!window) {
            qWarning("expected modal window is not open");
            if (auto* any = QApplication::activeModalWidget())
                any->close();
            return;
        }
        action(window);
    });
}

inline void WriteFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    if (file.open(QIODevice::WriteOnly))
        file.write(bytes);
}

inline QByteArray ReadFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}
