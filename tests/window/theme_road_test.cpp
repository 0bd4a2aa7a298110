#include <QtTest>
#include <QtWidgets>

#include "editor_window.h"
#include "game_session.h"
#include "high_score_panel.h"
#include "high_score_table.h"
#include "image_button.h"
#include "score_time.h"
#include "theme_chooser.h"
#include "theme_description_dialog.h"

namespace {

// Answers the theme description dialog and the theme chooser on the real dialogs, as a user would.
class DialogPrompts : public ScriptedPrompts {
public:
    std::optional<ThemeDescription> describeTheme(const std::optional<ThemeDescription>& offered) override
    {
        ThemeDescriptionDialog dialog(*this, QStringLiteral("7.12.2026"), offered);
        dialog.show();
        dialog.nameEdit()->selectAll();
        QTest::keyClicks(dialog.nameEdit(), QString::fromStdString(themeName));
        QTest::mouseClick(dialog.okButton(), Qt::LeftButton);
        return dialog.result();
    }

    std::optional<std::string> chooseTheme(const std::string& programFolder, const std::string& currentTheme) override
    {
        ThemeChooser dialog(ThemeLocations::portable(programFolder), currentTheme, previews.path().toStdString(),
                            *this);
        dialog.show();
        dialog.list()->setCurrentItem(
            dialog.list()->findItems(QString::fromStdString(themeName), Qt::MatchExactly).value(0));
        QTest::mouseClick(dialog.okButton(), Qt::LeftButton);
        return dialog.chosenTheme();
    }

    std::string themeName;
    QTemporaryDir previews;
};

}  // namespace

class ThemeRoadTest : public QObject {
    Q_OBJECT

private slots:
    void descriptionDialogStartsFreshAndRefusesWhatCannotBeSaved();
    void aThemeSavedByTheEditorIsPlayedInTheGame();
};

void ThemeRoadTest::descriptionDialogStartsFreshAndRefusesWhatCannotBeSaved()
{
    ScriptedPrompts prompts;
    ThemeDescriptionDialog dialog(prompts, QStringLiteral("7.12.2026"));
    dialog.show();
    QVERIFY(QTest::qWaitForWindowActive(&dialog));
    QCOMPARE(dialog.nameEdit()->text(), QStringLiteral("My theme"));
    QCOMPARE(dialog.dateLineEdit()->text(), QStringLiteral("On the 7.12.2026"));
    QCOMPARE(QApplication::focusWidget(), dialog.descriptionEdit());

    // 255 characters at most, a line break counting as two: typing on only replaces the end.
    dialog.descriptionEdit()->moveCursor(QTextCursor::End);
    QTest::keyClicks(dialog.descriptionEdit(), QString(300, QLatin1Char('x')));
    QCOMPARE(dialog.descriptionEdit()->toPlainText().size() + 1, 255);
    QVERIFY(
        dialog.descriptionEdit()->toPlainText().startsWith(QStringLiteral("This theme was created by YOUR_NAME\n")));

    // A name that is no folder, then a quote in the date line: refused, the dialog stays open.
    for (const auto& [name, date] : {std::pair("../elsewhere", "On the 1"), std::pair("Fine", "On \"the\" day")}) {
        dialog.nameEdit()->setText(name);
        dialog.dateLineEdit()->setText(date);
        QTest::mouseClick(dialog.okButton(), Qt::LeftButton);
        QVERIFY(dialog.isVisible());
    }
    QCOMPARE(prompts.messages.size(), std::size_t{2});
    dialog.close();  // as the window frame's close button does
    QVERIFY(!dialog.result());
}

void ThemeRoadTest::aThemeSavedByTheEditorIsPlayedInTheGame()
{
    QTemporaryDir program;
    QCOMPARE(QProcess::execute("cp", {"-r", QStringLiteral(PROGRAM_FOLDER_FOR_TESTS "/Theme1"), program.path()}), 0);
    DialogPrompts prompts;
    prompts.themeName = "Road";
    ScriptedPump editorPump;
    {
        EditorWindow editor(program.path().toStdString(), {editorPump, &prompts});
        editor.editor().start();
        editor.show();
        editor.action("newTheme")->trigger();
        editor.action("saveTheme")->trigger();
        QVERIFY(prompts.messages.empty());
    }

    GameSession session(program.path(), prompts);
    GameWindow& game = session.window;
    for (ImageButton* button : game.findChildren<ImageButton*>())
        if (button->toolTip() == "Change the theme")
            QTest::mouseClick(button, Qt::LeftButton);
    QCOMPARE(game.windowTitle(), QStringLiteral("Vantor - Road"));
    QCOMPARE(game.game().state().lastObject, 0);
    session.pump.steps.push_back([] {});  // the theme load's own pass
    session.queueDelivery(0);
    prompts.answers.push_back("Road Tester");
    QTest::mouseClick(game.startButton(), Qt::LeftButton);

    const std::string road = program.filePath("Road").toStdString();
    QCOMPARE(session.sound.played, (std::vector<std::string>{road + "/Pickup.wav", road + "/PutInCont.wav"}));
    QCOMPARE(game.timeLabel()->text(), QStringLiteral("1"));  // a second on the test's clock
    QCOMPARE(QString::fromStdString(prompts.messages.back().text), QStringLiteral("Game Over\r\nYou took: 1 seconds"));
    QCOMPARE(prompts.inputs, std::vector<std::string>{"You got a highscore: What is your name?"});
    QVERIFY(game.highScorePanel()->isVisible() && game.highScorePanel()->nameText(0) == "Road Tester");
    const HighScoreTable scores = readHighScoreFile(road + "/HighScores.ini").value_or(StoredHighScores{}).table;
    QVERIFY(scores[0].name == "Road Tester" && timeValue(scores[0].time) == 1.0);
    QTest::mouseClick(game.highScorePanel()->closeButton(), Qt::LeftButton);
    QVERIFY(!game.highScorePanel()->isVisible());
}

QTEST_MAIN(ThemeRoadTest)
#include "theme_road_test.moc"
