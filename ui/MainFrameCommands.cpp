#include "persist/HighScoreTable.h"
#include "platform/HelpLauncher.h"
#include "resources/ResourceIds.h"
#include "ui/ClientArea.h"
#include "ui/CommandIds.h"
#include "ui/MainFrame.h"
#include "ui/dialogs/AboutDialog.h"
#include "ui/dialogs/ChampionDialog.h"
#include "ui/dialogs/HighScoresDialog.h"
#include "ui/dialogs/OptionsDialog.h"
#include "ui/dialogs/SaveFailureMessage.h"

#include <optional>

namespace {

// The game type a command of the menu's three new games starts; nothing for the other commands.
std::optional<std::int16_t> NewGameType(int commandId) {
    switch (commandId) {
    case CommandNewLines:
        return Lines;
    case CommandNewSquares:
        return Squares;
    case CommandNewBlocks:
        return Blocks;
    default:
        return std::nullopt;
    }
}

} // namespace

void MainFrame::OnCommand(int commandId) {
    // After Exit the window waits, hidden and without its context, for the event loop to end.
    if (!Context) {
        return;
    }
    if (const std::optional<std::int16_t> gameType = NewGameType(commandId)) {
        NewGame(*gameType, false);
        return;
    }
    switch (commandId) {
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

void MainFrame::OnOptions() {
    GameSettings& settings = Context->Settings;
    OptionsDialog dialog(this);
    for (const OptionControl& option : OptionControls) {
        dialog.*option.Field = option.IndexOf(option.Option.Get(settings));
    }
    if (RunModal(dialog) != QDialog::Accepted) {
        return;
    }
    const std::uint8_t showNext = settings.GetShowNext();
    // A list left without a choice is stored as it comes: the next game brings the colour count
    // into range.
    for (const OptionControl& option : OptionControls) {
        option.Option.Set(settings, option.ValueOf(dialog.*option.Field));
    }
    Context->SetAnimation(settings.Anim);
    // The board draws new next balls when the preview goes off, so it is told only of a change.
    if (settings.GetShowNext() != showNext) {
        Board->SetShowNext(settings.GetShowNext() != 0);
    }
}

void MainFrame::OnHighScores() {
    HighScoresDialog dialog(*Context, this);
    RunModal(dialog);
}

void MainFrame::OnAbout() {
    AboutDialog dialog(this);
    RunModal(dialog);
}

void MainFrame::OnHelp() {
    LaunchHelp();
}

void MainFrame::OnExit() {
    const Registry::Status saved = Context->Settings.Save();
    Timers.KillAll();
    SaveFailureMessage::ShowIfFailed(SaveFailureMessage::OptionsLost, saved, this);
    Context.reset();
    // Keys still queued must not reach the board through the cursor.
    Picture->removeEventFilter(&Cursor);
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
    Narrator->GameOver();
    PlaySoundEffect(GameOverSound);
    EnterNewChampion();
    HighScoresDialog scores(*Context, this);
    RunModal(scores);
}

void MainFrame::EnterNewChampion() {
    HighScoreTable table(static_cast<std::int16_t>(Context->CurrentType), Context->ColorCount);
    if (table.FindRank(static_cast<std::uint32_t>(Board->Score)) >= HighScoreTable::EntryCount) {
        return;
    }
    ChampionDialog champion(this);
    champion.PlayerName = table.LastName;
    if (RunModal(champion) != QDialog::Accepted) {
        return;
    }
    PlaySoundEffect(ChampionSound);
    // The timers run on while the name is typed: the new balls that filled the board may have
    // completed a figure since, raising the score. Another copy of the game may have stored a
    // champion meanwhile, so the entry goes into the table as it is stored now.
    const HighScoreTable::StoredEntry stored =
        table.StoreChampion(static_cast<std::uint32_t>(Board->Score), champion.PlayerName);
    Context->NewScoreRow = stored.Row < HighScoreTable::EntryCount ? stored.Row : -1;
    SaveFailureMessage::ShowIfFailed(SaveFailureMessage::HighScoreLost, stored.Status, this);
}
