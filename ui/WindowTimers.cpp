#include "ui/WindowTimers.h"

#include <QObject>

WindowTimers::WindowTimers(QObject& window)
    : Window(window) {}

unsigned WindowTimers::Set(unsigned id, int periodMs) {
    if (id >= 1 && id <= Count) {
        Timers[id - 1].start(periodMs, &Window);
    }
    return id;
}

void WindowTimers::Kill(unsigned id) {
    if (id >= 1 && id <= Count) {
        Timers[id - 1].stop();
    }
}

void WindowTimers::KillAll() {
    for (QBasicTimer& timer : Timers) {
        timer.stop();
    }
}

unsigned WindowTimers::IdOf(int qtTimerId) const {
    for (unsigned index = 0; index < Count; ++index) {
        if (Timers[index].isActive() && Timers[index].timerId() == qtTimerId) {
            return index + 1;
        }
    }
    return 0;
}
