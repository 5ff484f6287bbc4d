#pragma once

#include "platform/LanguageLoader.h"

#include <QApplication>
#include <QUrl>
#include <memory>
#include <optional>

class MainFrame;
class SoundPlayer;
class HelpViewerWindow;

// How the program was asked to start.
struct StartOptions {
    // Fixes the random numbers for a reproducible game; the clock seeds them otherwise.
    std::optional<unsigned> Seed;
    // Forces the screen scale; by default the largest that fits comfortably.
    std::optional<int> Scale;
    // Shows this help page instead of the game.
    std::optional<QUrl> HelpPage;
};

// The application: builds the one main window (or the help viewer) and owns it while the event
// loop runs.
class GameApp : public QApplication {
public:
    GameApp(int& argc, char** argv);
    ~GameApp() override;

    // The start-up hook: shows the window and paints it before returning. False when there is
    // nothing to run: the help viewer that already runs shows the page.
    bool InitInstance(const StartOptions& options);

private:
    LanguageLoader Language;
    std::unique_ptr<SoundPlayer> Sound;
    std::unique_ptr<MainFrame> MainWindow;
    std::unique_ptr<HelpViewerWindow> HelpViewer;
};
