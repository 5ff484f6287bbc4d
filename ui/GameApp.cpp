#include "ui/GameApp.h"

#include "platform/HelpViewerWindow.h"
#include "platform/PulseSoundPlayer.h"
#include "ui/MainFrame.h"
#include "ui/ScreenScale.h"

#include <QScreen>
#include <ctime>

GameApp::GameApp(int& argc, char** argv)
    : QApplication(argc, argv) {
    // The desktop's languages, in the player's order: LANGUAGE, LC_ALL, LC_MESSAGES or LANG.
    Language.Load(QLocale::system().uiLanguages());
}

GameApp::~GameApp() = default;

bool GameApp::InitInstance(const StartOptions& options) {
    if (options.HelpPage) {
        HelpViewer = std::make_unique<HelpViewerWindow>(*options.HelpPage);
        if (!HelpViewer->TakeRequests()) {
            return false;
        }
        HelpViewer->show();
        return true;
    }
    Sound = std::make_unique<PulseSoundPlayer>();
    const auto seed = options.Seed.value_or(static_cast<unsigned>(std::time(nullptr)));
    MainWindow = std::make_unique<MainFrame>(*Sound, seed);
    const QScreen* screen = MainWindow->screen();
    MainWindow->SetScreenScale(options.Scale.value_or(ScreenScale::LargestComfortableScale(
        screen->availableGeometry().size(), MainWindow->ChromeSize())));
    MainWindow->show();
    MainWindow->repaint();
    return true;
}
