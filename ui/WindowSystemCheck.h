#pragma once

#include <QString>
#include <QtGlobal>
#include <mutex>
#include <vector>

// While the application object is made, Qt's messages wait. When Qt finds no window system to
// use, it ends the program with abort() and the advice to reinstall it; instead the player reads
// one line that tells why, and the program ends with 1. Once the application exists, the messages
// that waited are passed on.
class WindowSystemCheck {
public:
    explicit WindowSystemCheck(QString explanation);
    WindowSystemCheck(const WindowSystemCheck&) = delete;
    WindowSystemCheck& operator=(const WindowSystemCheck&) = delete;
    ~WindowSystemCheck();

private:
    struct Message {
        QtMsgType Type;
        const char* File;
        int Line;
        const char* Function;
        const char* Category;
        QString Text;
    };

    static void Hold(QtMsgType type, const QMessageLogContext& context, const QString& text);

    static inline QString Explanation;
    static inline QtMessageHandler Previous = nullptr;
    static inline std::vector<Message> Held;
    static inline std::mutex HeldLock;
};
