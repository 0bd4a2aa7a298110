#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

#include "editor_window.h"
#include "frm_choose_theme.h"
#include "frm_save.h"
#include "high_score_table.h"
#include "registry_store.h"
#include "round_script.h"
#include "theme_files.h"

namespace {

// Answers the theme description dialog and the theme chooser on the real dialogs, as a user would.
class DialogPrompts : public ScriptedPrompts {
public:
    std::optional<ThemeDescription> describeTheme() override
    {
        FrmSave dialog(*this, QStringLiteral("7.12.2026"));
        dialog.show();
        dialog.text3()->selectAll();
        QTest::keyClicks(dialog.text3(), QString::fromStdString(themeName));
        QTest::mouseClick(dialog.okButton(), Qt::LeftButton);
        return dialog.result();
    }

    std::optional<std::string> chooseTheme(const std::string& programFolder) override
    {
        FrmChooseTheme dialog(programFolder);
        dialog.show();
        const QList<QListWidgetItem*> rows =
            dialog.list()->findItems(QString::fromStdString(themeName), Qt::MatchExactly);
        if (rows.isEmpty())
            return std::nullopt;
        dialog.list()->setCurrentItem(rows.front());
        QTest::mouseClick(dialog.okButton(), Qt::LeftButton);
        return dialog.chosenTheme();
    }

    std::string themeName;
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
    FrmSave dialog(prompts, QStringLiteral("7.12.2026"));
    dialog.show();
    QVERIFY(QTest::qWaitForWindowActive(&dialog));
    QCOMPARE(dialog.windowTitle(), QStringLiteral("About Theme"));
    QCOMPARE(dialog.text3()->text(), QStringLiteral("My theme"));
    QCOMPARE(dialog.text2()->text(), QStringLiteral("On the 7.12.2026"));
    QCOMPARE(QApplication::focusWidget(), dialog.text1());
    const QWidget* tabOrder[] = {dialog.text1(), dialog.okButton(), dialog.text2(), dialog.cancelButton(),
                                 dialog.text3()};
    for (const QWidget* widget : tabOrder) {
        QCOMPARE(QApplication::focusWidget(), widget);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }

    // 255 characters at most, a line break counting as two: typing on only replaces the end.
    dialog.text1()->setFocus();
    dialog.text1()->moveCursor(QTextCursor::End);
    QTest::keyClicks(dialog.text1(), QString(300, QLatin1Char('x')));
    QCOMPARE(dialog.text1()->toPlainText().size() + 1, 255);
    QVERIFY(dialog.text1()->toPlainText().startsWith(QStringLiteral("This theme was created by YOUR_NAME\n")));

    dialog.text3()->setText(QStringLiteral("../elsewhere"));
    QTest::mouseClick(dialog.okButton(), Qt::LeftButton);
    QVERIFY(dialog.isVisible());
    QCOMPARE(prompts.messages.size(), std::size_t{1});
    dialog.text3()->setText(QStringLiteral("Fine"));
    dialog.text2()->setText(QStringLiteral("On \"the\" day"));
    QTest::mouseClick(dialog.okButton(), Qt::LeftButton);
    QVERIFY(dialog.isVisible());
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
        editor.editor().Form_Load();
        editor.show();
        editor.action("mnuNew")->trigger();
        editor.action("mnuSave_Theme")->trigger();
        QVERIFY(prompts.messages.empty());
    }
    QVERIFY(QFile::exists(program.filePath("Road/ThemeDetails.ini")));

    QTemporaryDir settings;
    FakeClock clock;
    RecordingSound sound;
    ScriptedQtPump pump;
    RegistryStore registry(settings.path().toStdString());
    FrmMain game(program.path().toStdString(), {clock, sound, pump, registry, &prompts});
    RoundScript round(pump, clock);
    round.setWindow(&game);
    // A round that nothing ends would spin for ever: fail and close the window instead.
    pump.whenIdle = [&] {
        if (pump.calls > 20000) {
            QTest::qFail("the round did not end", __FILE__, __LINE__);
            game.game().Form_Unload();
        }
    };
    game.start();
    game.show();
    game.game().Image2_Click();
    QCOMPARE(game.windowTitle(), QStringLiteral("Vantor - Road"));
    QCOMPARE(game.game().state().LastObj, 0);

    pump.steps.push_back([] {});  // the theme load's own pass
    round.queueDelivery(0);
    prompts.answers.push_back("Road Tester");
    QTest::mouseClick(game.startButton(), Qt::LeftButton);
    QVERIFY(!prompts.messages.empty());
    QVERIFY(QString::fromStdString(prompts.messages.back().text).startsWith(QStringLiteral("Game Over")));
    const std::optional<StoredHighScores> scores =
        readHighScoreFile(program.filePath("Road/" + QString::fromStdString(ThemeFiles::kHighScores)).toStdString());
    QVERIFY(scores.has_value());
    QCOMPARE(QString::fromStdString(scores->table[0].name), QStringLiteral("Road Tester"));
}

QTEST_MAIN(ThemeRoadTest)
#include "theme_road_test.moc"
