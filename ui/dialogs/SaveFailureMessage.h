#pragma once

#include "platform/Registry.h"

#include <QMessageBox>

// Tells the player that a save did not land: what was not saved, why, and where the file is.
// Saves that land, and reads that fall back to defaults, say nothing.
class SaveFailureMessage : public QMessageBox {
    Q_OBJECT

public:
    // What a save that did not land has lost.
    enum Loss { HighScoreLost, NameLost, OptionsLost };

    SaveFailureMessage(Loss loss, Registry::Status status, QWidget* parent);

    // Shows the message modally over `parent` when `status` is a failure.
    static void ShowIfFailed(Loss loss, Registry::Status status, QWidget* parent);
};
