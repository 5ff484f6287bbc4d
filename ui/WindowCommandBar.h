#pragma once

#include <QAction>
#include <QCoreApplication>
#include <functional>
#include <map>

class QMainWindow;
class QToolBar;
class QToolButton;

// The window's command bar: the "&Game" menu, the four-button toolbar and the Done button at the
// right end of the menu bar. Every command is one QAction carrying its numeric id; triggering any
// of them calls the dispatch function with that id.
class WindowCommandBar {
    Q_DECLARE_TR_FUNCTIONS(WindowCommandBar)

public:
    using Dispatch = std::function<void(int commandId)>;

    WindowCommandBar(QMainWindow& window, Dispatch dispatch);
    WindowCommandBar(const WindowCommandBar&) = delete;
    WindowCommandBar& operator=(const WindowCommandBar&) = delete;

    QAction* Action(int commandId) const;
    QToolBar* ToolBar() const { return Buttons; }

    // Shows or hides the Done button; the toggle command's check mark follows.
    void ShowDoneButton(bool shown);

private:
    QAction* AddAction(QMainWindow& window, int commandId, const QString& text);

    Dispatch OnCommand;
    std::map<int, QAction*> Actions;
    QToolBar* Buttons = nullptr;
    QToolButton* DoneButton = nullptr;
};
