#pragma once

// Numeric ids of the main window's commands; every QAction carries its id and one dispatch
// function maps ids to handlers.
enum CommandId : int {
    CommandDone = 1,
    CommandToggleDoneButton = 32768,
    CommandExit = 32770,
    CommandNewGame = 32771,
    CommandOptions = 32772,
    CommandNewSquares = 32775,
    CommandHighScores = 32777,
    CommandNewBlocks = 32779,
    CommandHelp = 32781,
    CommandNewLines = 32782,
    CommandAbout = 57664,
};
