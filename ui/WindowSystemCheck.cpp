#include "ui/WindowSystemCheck.h"

#include <cstdio>
#include <cstdlib>

WindowSystemCheck::WindowSystemCheck(QString explanation) {
    Explanation = std::move(explanation);
    Previous = qInstallMessageHandler(&Hold);
}

WindowSystemCheck::~WindowSystemCheck() {
    qInstallMessageHandler(Previous);
    for (const Message& message : Held) {
        Previous(message.Type,
                 QMessageLogContext(message.File, message.Line, message.Function, message.Category),
                 message.Text);
    }
    Held.clear();
}

void WindowSystemCheck::Hold(QtMsgType type, const QMessageLogContext& context,
                             const QString& text) {
    if (type == QtFatalMsg) {
        std::fprintf(stderr, "%s\n", qUtf8Printable(Explanation));
        std::_Exit(1);
    }
    const std::scoped_lock lock(HeldLock);
    Held.push_back({type, context.file, context.line, context.function, context.category, text});
}
