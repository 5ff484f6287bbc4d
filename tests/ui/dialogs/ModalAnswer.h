#pragma once

#include <QApplication>
#include <QDialog>
#include <QTest>
#include <QTimer>
#include <functional>
#include <gtest/gtest.h>
#include <ostream>

// Failures show texts as text.
inline void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}

// Answers the modal dialog that the next exec() opens, from inside its event loop, the way a
// player would. Whatever the answer does, the dialog is closed afterwards, so that a failing
// test reports instead of waiting for a person.
template <typename Dialog>
void AnswerNextModal(std::function<void(Dialog&)> answer) {
    QTimer::singleShot(0, [answer] {
        auto* dialog = qobject_cast<Dialog*>(QApplication::activeModalWidget());
        if (dialog == nullptr) {
            ADD_FAILURE() << "no modal dialog of the expected kind is open";
        } else if (!QTest::qWaitForWindowActive(dialog)) {
            ADD_FAILURE() << "the modal dialog never became the active window";
        } else {
            answer(*dialog);
        }
        for (QWidget* window : QApplication::topLevelWidgets()) {
            auto* open = qobject_cast<QDialog*>(window);
            if (open != nullptr && open->isVisible()) {
                ADD_FAILURE() << "the answer left " << open->objectName().toStdString() << " open";
                open->reject();
            }
        }
    });
}

// The widget of the open dialog that a player's keys go to.
inline QWidget* KeyTarget(QDialog& dialog) {
    QWidget* focus = QApplication::focusWidget();
    return focus != nullptr ? focus : &dialog;
}
