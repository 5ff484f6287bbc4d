#include "platform/HelpLauncher.h"
#include "ui/CommandIds.h"
#include "ui/MainFrame.h"
#include "ui/SoundEffects.h"

void MainFrame::OnCommand(int commandId) {
    switch (commandId) {
    case CommandNewLines:
        NewGame(0, false);
        break;
    case CommandNewSquares:
        NewGame(1, false);
        break;
    case CommandNewBlocks:
        NewGame(2, false);
        break;
    case CommandNewGame:
        NewGame(Context->Settings.GetGameType(), false);
        break;
    case CommandOptions:
        OnOptions();
        break;
    case CommandHighScores:
        OnHighScores();
        break;
    case CommandAbout:
        OnAbout();
        break;
    case CommandHelp:
        OnHelp();
        break;
    case CommandExit:
        OnExit();
        break;
    case CommandToggleDoneButton:
        ToggleDoneButton();
        break;
    case CommandDone:
        close();
        break;
    default:
        break;
    }
}

// The Options, High Scores and About dialogs are built on their own; until they are part of the
// program these commands open nothing.
void MainFrame::OnOptions() {}

void MainFrame::OnHighScores() {}

void MainFrame::OnAbout() {}

void MainFrame::OnHelp() {
    LaunchHelp();
}

void MainFrame::OnExit() {
    Context->Settings.Save();
    Timers.KillAll();
    Context.reset();
    close();
}

void MainFrame::ToggleDoneButton() {
    DoneButtonShown = DoneButtonShown != 0 ? 0 : 1;
    CommandBar.ShowDoneButton(DoneButtonShown != 0);
}

void MainFrame::OnGameOver() {
    if (!Context) {
        return;
    }
    Context->NewScoreRow = -1;
    PlaySoundEffect(GameOverSound);
}
