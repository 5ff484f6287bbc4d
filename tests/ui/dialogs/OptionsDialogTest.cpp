#include "ui/dialogs/OptionsDialog.h"

#include "tests/ui/dialogs/ModalAnswer.h"

#include <QAbstractItemView>
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QPushButton>
#include <QTest>

namespace {

QComboBox& TypeList(QDialog& dialog) {
    return *dialog.findChild<QComboBox*>("typeList1009");
}
QComboBox& ColorList(QDialog& dialog) {
    return *dialog.findChild<QComboBox*>("colorList1012");
}
QCheckBox& Check(QDialog& dialog, const char* name) {
    return *dialog.findChild<QCheckBox*>(name);
}

void Pick(QComboBox& list, const QString& text) {
    list.showPopup();
    QAbstractItemView* popup = list.view();
    const QRect item = popup->visualRect(popup->model()->index(list.findText(text), 0));
    QTest::mouseClick(popup->viewport(), Qt::LeftButton, {},
                      item.intersected(popup->viewport()->rect()).center());
}

void PressOk(QDialog& dialog) {
    QTest::mouseClick(dialog.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok),
                      Qt::LeftButton);
}

} // namespace

TEST(OptionsDialog, OpensOnTheCallersValuesAndHandsBackWhatThePlayerChose) {
    OptionsDialog dialog;
    dialog.TypeIndex = 2;
    dialog.ColorIndex = 2;
    dialog.ShowNextCheck = 1;
    dialog.AnimCheck = 0;
    dialog.SoundCheck = 1;

    AnswerNextModal<OptionsDialog>([](OptionsDialog& shown) {
        EXPECT_EQ(TypeList(shown).currentText(), "Blocks");
        EXPECT_EQ(ColorList(shown).currentText(), "5");
        EXPECT_TRUE(Check(shown, "showNextCheck1011").isChecked());
        EXPECT_FALSE(Check(shown, "animCheck1010").isChecked());
        EXPECT_TRUE(Check(shown, "soundCheck1013").isChecked());

        Pick(TypeList(shown), "Squares");
        Pick(ColorList(shown), "8");
        QTest::mouseClick(&Check(shown, "showNextCheck1011"), Qt::LeftButton);
        QTest::mouseClick(&Check(shown, "animCheck1010"), Qt::LeftButton);
        PressOk(shown);
    });
    EXPECT_EQ(dialog.exec(), QDialog::Accepted);

    EXPECT_EQ(dialog.TypeIndex, 1);
    EXPECT_EQ(dialog.ColorIndex, 5);
    EXPECT_EQ(dialog.ShowNextCheck, 0);
    EXPECT_EQ(dialog.AnimCheck, 1);
    EXPECT_EQ(dialog.SoundCheck, 1);
}

TEST(OptionsDialog, ListsAndTabOrderFollowTheTemplate) {
    OptionsDialog dialog;
    AnswerNextModal<OptionsDialog>([](OptionsDialog& shown) {
        auto* buttons = shown.findChild<QDialogButtonBox*>();
        const QList<QWidget*> tabOrder{&TypeList(shown),
                                       &ColorList(shown),
                                       &Check(shown, "showNextCheck1011"),
                                       &Check(shown, "animCheck1010"),
                                       &Check(shown, "soundCheck1013"),
                                       buttons->button(QDialogButtonBox::Ok),
                                       buttons->button(QDialogButtonBox::Cancel)};
        for (int step = 0; step <= tabOrder.size(); ++step) {
            EXPECT_EQ(QApplication::focusWidget(), tabOrder[step % tabOrder.size()]);
            QTest::keyClick(KeyTarget(shown), Qt::Key_Tab);
        }

        const QStringList types{"Lines", "Squares", "Blocks"};
        const QStringList colors{"3", "4", "5", "6", "7", "8"};
        ASSERT_EQ(TypeList(shown).count(), types.size());
        ASSERT_EQ(ColorList(shown).count(), colors.size());
        for (int i = 0; i < types.size(); ++i)
            EXPECT_EQ(TypeList(shown).itemText(i), types[i]);
        for (int i = 0; i < colors.size(); ++i)
            EXPECT_EQ(ColorList(shown).itemText(i), colors[i]);
        shown.reject();
    });
    dialog.exec();
}

TEST(OptionsDialog, AnIndexWithoutItemShowsNoSelectionAndComesBackAsMinusOne) {
    OptionsDialog fresh;
    AnswerNextModal<OptionsDialog>([](OptionsDialog& shown) {
        EXPECT_EQ(TypeList(shown).currentIndex(), -1);
        EXPECT_EQ(ColorList(shown).currentIndex(), -1);
        EXPECT_FALSE(Check(shown, "showNextCheck1011").isChecked());
        EXPECT_FALSE(Check(shown, "animCheck1010").isChecked());
        EXPECT_FALSE(Check(shown, "soundCheck1013").isChecked());
        QTest::keyClick(KeyTarget(shown), Qt::Key_Return);
    });
    EXPECT_EQ(fresh.exec(), QDialog::Accepted);
    EXPECT_EQ(fresh.TypeIndex, -1);
    EXPECT_EQ(fresh.ColorIndex, -1);

    // Twelve colours and a game type of -1 read from a hand-edited registry.
    OptionsDialog outOfRange;
    outOfRange.ColorIndex = 12 - 3;
    outOfRange.TypeIndex = -1;
    outOfRange.AnimCheck = 1;
    AnswerNextModal<OptionsDialog>([](OptionsDialog& shown) {
        EXPECT_EQ(ColorList(shown).currentText(), "");
        EXPECT_EQ(TypeList(shown).currentText(), "");
        EXPECT_TRUE(Check(shown, "animCheck1010").isChecked());
        QTest::keyClick(KeyTarget(shown), Qt::Key_Return);
    });
    EXPECT_EQ(outOfRange.exec(), QDialog::Accepted);
    EXPECT_EQ(outOfRange.ColorIndex, -1);
    EXPECT_EQ(outOfRange.TypeIndex, -1);
    EXPECT_EQ(outOfRange.AnimCheck, 1);
}

TEST(OptionsDialog, CancelHandsBackNothing) {
    OptionsDialog dialog;
    dialog.TypeIndex = 0;
    dialog.ColorIndex = 3;
    dialog.ShowNextCheck = 1;
    dialog.AnimCheck = 1;
    dialog.SoundCheck = 0;

    AnswerNextModal<OptionsDialog>([](OptionsDialog& shown) {
        Pick(TypeList(shown), "Blocks");
        Pick(ColorList(shown), "3");
        QTest::mouseClick(&Check(shown, "soundCheck1013"), Qt::LeftButton);
        QTest::keyClick(KeyTarget(shown), Qt::Key_Escape);
    });
    EXPECT_EQ(dialog.exec(), QDialog::Rejected);

    EXPECT_EQ(dialog.TypeIndex, 0);
    EXPECT_EQ(dialog.ColorIndex, 3);
    EXPECT_EQ(dialog.ShowNextCheck, 1);
    EXPECT_EQ(dialog.AnimCheck, 1);
    EXPECT_EQ(dialog.SoundCheck, 0);

    AnswerNextModal<OptionsDialog>([](OptionsDialog& shown) {
        QTest::mouseClick(&Check(shown, "soundCheck1013"), Qt::LeftButton);
        QTest::mouseClick(shown.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Cancel),
                          Qt::LeftButton);
    });
    EXPECT_EQ(dialog.exec(), QDialog::Rejected);
    EXPECT_EQ(dialog.SoundCheck, 0);
}
