#pragma once

#include "ui/MainFrame.h"
#include "ui/ScreenLayout.h"

#include <QAbstractEventDispatcher>
#include <QCoreApplication>
#include <QPoint>
#include <QTimerEvent>
#include <gtest/gtest.h>

// Where a cell lies in the 240 × 270 picture: its top-left pixel, and the point a stylus taps.
inline QPoint CellCorner(std::int32_t row, std::int32_t column) {
    return {ScreenLayout::BoardLeft + ScreenLayout::CellSize * column,
            ScreenLayout::BoardTop + ScreenLayout::CellSize * row};
}
inline QPoint CellCentre(std::int32_t row, std::int32_t column) {
    return CellCorner(row, column) + QPoint(1, 1) * (ScreenLayout::CellSize / 2);
}

// The real window, except that its timers never tick by themselves: a test delivers every tick
// through the window's own timer event, and only while that timer runs. Help, which starts
// another program, is only counted.
class ManualClockFrame : public MainFrame {
public:
    using MainFrame::MainFrame;

    bool Runs(unsigned id) { return QtTimerOf(id) != 0; }
    void Tick(unsigned id, int ticks = 1) {
        for (int tick = 0; tick < ticks; ++tick) {
            QTimerEvent event(QtTimerOf(id));
            ASSERT_NE(event.timerId(), 0) << "timer " << id << " is not running";
            Ticking = true;
            QCoreApplication::sendEvent(this, &event);
            Ticking = false;
        }
    }

    void OnHelp() override { ++HelpRequests; }
    int HelpRequests = 0;

protected:
    void timerEvent(QTimerEvent* event) override {
        if (Ticking || Timers.IdOf(event->timerId()) == 0)
            MainFrame::timerEvent(event);
    }

private:
    // The Qt timer behind one of the window's timers; 0 when that is not running.
    int QtTimerOf(unsigned id) {
        for (const auto& timer : QAbstractEventDispatcher::instance()->registeredTimers(this))
            if (Timers.IdOf(timer.timerId) == id)
                return timer.timerId;
        return 0;
    }

    bool Ticking = false;
};
