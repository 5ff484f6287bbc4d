#include "ui/WindowCommandBar.h"

#include "platform/StringTable.h"
#include "resources/ResourceIds.h"
#include "resources/ResourcePaths.h"
#include "ui/CommandIds.h"

#include <QIcon>
#include <QImage>
#include <QMainWindow>
#include <QMenuBar>
#include <QPixmap>
#include <QToolBar>
#include <QToolButton>

namespace {

constexpr QSize ButtonSize{16, 15};

// The toolbar strip holds the images of the four buttons side by side, in button order.
QIcon ToolbarIcon(const QImage& strip, int index) {
    if (strip.isNull()) {
        return QIcon();
    }
    return QIcon(
        QPixmap::fromImage(strip.copy(QRect(QPoint(index * ButtonSize.width(), 0), ButtonSize))));
}

} // namespace

WindowCommandBar::WindowCommandBar(QMainWindow& window, Dispatch dispatch)
    : OnCommand(std::move(dispatch)) {
    QMenuBar* menuBar = window.menuBar();
    // The Done button lives in the menu bar's corner, which a global menu would take away.
    menuBar->setNativeMenuBar(false);
    AddGameMenu(window, *menuBar);
    AddShortcutCommands(window);
    DoneButton = new QToolButton(menuBar);
    DoneButton->setDefaultAction(AddAction(window, CommandDone, tr("Done")));
    DoneButton->setAutoRaise(true);
    menuBar->setCornerWidget(DoneButton, Qt::TopRightCorner);
    AddToolbar(window);
}

void WindowCommandBar::AddGameMenu(QMainWindow& window, QMenuBar& menuBar) {
    QMenu* game = menuBar.addMenu(tr("&Game"));
    game->addAction(AddAction(window, CommandNewLines, tr("New Lines")));
    game->addAction(AddAction(window, CommandNewSquares, tr("New Squares")));
    game->addAction(AddAction(window, CommandNewBlocks, tr("New Blocks")));
    game->addSeparator();
    game->addAction(AddAction(window, CommandOptions, tr("Options...")));
    game->addSeparator();
    game->addAction(AddAction(window, CommandHighScores, tr("High Scores...")));
    game->addAction(AddAction(window, CommandAbout, tr("&About...")));
    game->addAction(AddAction(window, CommandExit, tr("Exit")));
    Action(CommandExit)->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));
}

void WindowCommandBar::AddShortcutCommands(QMainWindow& window) {
    AddAction(window, CommandNewGame, tr("New Game"))
        ->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_N));
    AddAction(window, CommandHelp, tr("Help"))->setShortcut(QKeySequence::HelpContents);

    QAction* toggleDone =
        AddAction(window, CommandToggleDoneButton, LoadResourceString(DoneButtonStatusString));
    toggleDone->setCheckable(true);
    toggleDone->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_D));
    toggleDone->setStatusTip(LoadResourceString(DoneButtonStatusString));
    window.addAction(toggleDone);
    // Shortcuts of the buttons without a menu item go on working while the toolbar is hidden.
    window.addAction(Action(CommandNewGame));
    window.addAction(Action(CommandHelp));
}

void WindowCommandBar::AddToolbar(QMainWindow& window) {
    const QImage strip(ResourcePaths::BitmapPath(ToolbarBitmap));
    QToolBar* buttons = window.addToolBar(tr("Game"));
    buttons->setMovable(false);
    buttons->setFloatable(false);
    buttons->setIconSize(ButtonSize);
    buttons->toggleViewAction()->setVisible(false);
    // The button that shows the buttons a narrow window has no room for is nameless otherwise.
    if (auto* more = buttons->findChild<QToolButton*>(QStringLiteral("qt_toolbar_ext_button"))) {
        more->setAccessibleName(tr("More buttons"));
    }
    const int buttonOrder[] = {CommandNewGame, CommandOptions, CommandHelp, CommandExit};
    for (int index = 0; index < 4; ++index) {
        QAction* action = Action(buttonOrder[index]);
        action->setIcon(ToolbarIcon(strip, index));
        action->setIconVisibleInMenu(false);
        buttons->addAction(action);
        if (buttonOrder[index] == CommandNewGame || buttonOrder[index] == CommandHelp) {
            buttons->addSeparator();
        }
    }
}

QAction* WindowCommandBar::Action(int commandId) const {
    const auto found = Actions.find(commandId);
    return found == Actions.end() ? nullptr : found->second;
}

void WindowCommandBar::ShowDoneButton(bool shown) {
    DoneButton->setVisible(shown);
    Action(CommandToggleDoneButton)->setChecked(shown);
}

QAction* WindowCommandBar::AddAction(QMainWindow& window, int commandId, const QString& text) {
    auto* action = new QAction(text, &window);
    action->setData(commandId);
    QObject::connect(action, &QAction::triggered, &window,
                     [this, commandId] { OnCommand(commandId); });
    Actions.emplace(commandId, action);
    return action;
}
