#pragma once

#include <QBasicTimer>
#include <array>

class QObject;

// The window's timers by number, 1 to 4: setting a running id restarts it, and a tick is known
// by the id it was set with.
class WindowTimers {
public:
    static constexpr unsigned Count = 4;

    explicit WindowTimers(QObject& window);

    // Starts (or restarts) the timer and returns its id.
    unsigned Set(unsigned id, int periodMs);
    void Kill(unsigned id);
    void KillAll();

    // The id whose Qt timer fired, or 0 when it is none of these.
    unsigned IdOf(int qtTimerId) const;

private:
    QObject& Window;
    std::array<QBasicTimer, Count> Timers;
};
