#pragma once

#include <QApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

inline void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}

// What a player does with one modal window: an answer for a window that must be a `Dialog`.
using ModalAnswer = std::function<void(QWidget&)>;
template <typename Dialog>
ModalAnswer Answer(std::function<void(Dialog&)> answer) {
    return [answer](QWidget& window) {
        auto* dialog = qobject_cast<Dialog*>(&window);
        ASSERT_NE(dialog, nullptr) << "a " << window.metaObject()->className() << " opened";
        answer(*dialog);
    };
}

// Runs `action`, answering the modal windows that open within it one after the other, from inside
// their own event loops. A window that its answer left open, or that no answer is left for, is
// closed with a failure, so that a test never waits for a person. Returns how many opened.
inline std::size_t AnswerModals(const std::function<void()>& action,
                                const std::vector<ModalAnswer>& answers) {
    std::size_t opened = 0;
    QWidget* answering = nullptr;
    QTimer answerer;
    QObject::connect(&answerer, &QTimer::timeout, [&] {
        QWidget* window = QApplication::activeModalWidget();
        // An answer may itself process events; the window it answers is not new.
        if (answering != nullptr || window == nullptr || !window->isVisible())
            return;
        answering = window;
        EXPECT_TRUE(QTest::qWaitForWindowActive(window));
        EXPECT_LT(opened, answers.size()) << "an unexpected " << window->metaObject()->className();
        if (opened < answers.size())
            answers[opened](*window);
        ++opened;
        EXPECT_FALSE(window->isVisible())
            << "an answer left a " << window->metaObject()->className() << " open";
        window->close();
        answering = nullptr;
    });
    answerer.start(0);
    action();
    return opened;
}

inline void Press(QWidget& dialog, QDialogButtonBox::StandardButton button) {
    QTest::mouseClick(dialog.findChild<QDialogButtonBox*>()->button(button), Qt::LeftButton);
}
