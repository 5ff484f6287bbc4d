#pragma once

#include <QAction>
#include <QCoreApplication>
#include <functional>
#include <map>

class QMainWindow;
class QMenuBar;
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

    // Shows or hides the Done button; the toggle command's check mark follows.
    void ShowDoneButton(bool shown);

private:
    // The "&Game" menu, with Exit's Ctrl+Q.
    void AddGameMenu(QMainWindow& window, QMenuBar& menuBar);
    // The commands reached by their keys without a menu item: New Game, Help and the Done toggle.
    void AddShortcutCommands(QMainWindow& window);
    // The four buttons, each with its picture from the toolbar strip.
    void AddToolbar(QMainWindow& window);
    QAction* AddAction(QMainWindow& window, int commandId, const QString& text);

    Dispatch OnCommand;
    std::map<int, QAction*> Actions;
    QToolButton* DoneButton = nullptr;
};
