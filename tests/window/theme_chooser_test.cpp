#include <QtTest>
#include <QtWidgets>

#include "atomic_file.h"
#include "fake_services.h"
#include "file_system.h"
#include "game.h"
#include "game_view.h"
#include "high_score_table.h"
#include "registry_store.h"
#include "test_pictures.h"
#include "theme_builder.h"
#include "theme_chooser.h"
#include "theme_export.h"
#include "theme_import.h"
#include "theme_preview_pane.h"
#include "theme_reader.h"

namespace {

// Keeps the frames the game presents.
class FrameRecorder : public GameView {
public:
    void setCaption(const std::string&) override {}
    void setTimeText(const std::string&) override {}
    void setCanvasSize(int, int) override {}
    void fitWindowToCanvas() override {}
    void present(const Surface& frame) override { frames.push_back(frame); }
    void showHighScoreRows(const HighScoreTable&) override {}
    void setHighScorePanelVisible(bool) override {}
    std::string todayShortDate() override { return {}; }
    char decimalPoint() override { return '.'; }

    std::vector<Surface> frames;
};

// The first frame of a round of `theme`, as the game composes it when Start is pressed.
Surface firstFrameOfRound(const ThemeLocations& locations, const std::string& theme)
{
    QTemporaryDir settings;
    FakeClock clock;
    RecordingSound sound;
    ScriptedPrompts prompts;
    ScriptedPump pump;
    FrameRecorder view;
    RegistryStore registry(settings.path().toStdString());
    Game game(locations, {clock, sound, prompts, pump, view, registry});
    game.initialize(theme);
    // The theme load's pass of the pump, then the round's first: the window closes.
    pump.steps = {[] {}, [&game] { game.windowClosing(); }};
    game.startRound();
    return view.frames.empty() ? Surface() : view.frames.front();
}

// A theme over a background in which no two neighbouring pixels are alike, so that any shift or stretch shows.
ThemePackage gradientTheme(int objects, int width, int height)
{
    ThemePackage theme = makeRowTheme(objects, 10, width, height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            theme.background->setPixel(x, y, rgb(x * 3, y * 5, x ^ y));
    return theme;
}

HighScoreTable tableWithBest(const std::string& name, const std::string& time)
{
    HighScoreTable table;
    table[0] = {name, "01/12/26", time};
    return table;
}

QImage thumbnailOf(const QListWidgetItem* item)
{
    const QIcon icon = item->icon();
    return icon.pixmap(icon.availableSizes().value(0)).toImage().convertToFormat(QImage::Format_RGB32);
}

QString statusOf(const QListWidgetItem* item)
{
    return item->data(ThemeChooser::kStatusRole).toString();
}

// Waits until the signal came, unless it has already; false when it did not come in time.
bool waitFor(QSignalSpy& signal)
{
    return !signal.isEmpty() || signal.wait(30000);
}

}  // namespace

class ThemeChooserTest : public QObject {
    Q_OBJECT

private slots:
    void rowsShowTheGamesFirstFrameMarkDamagedThemesAndTheKeyboardChooses();
    void theInstalledLayoutsScoresAreReadWhereTheGameKeepsThemAndASecondOpeningUsesTheCache();
    void listsEveryVisibleFolderAndChoosesOnlyASelection();
    void addThemeTakesAnArchiveOrAFolderAsksBeforeReplacingAndSelectsWhatItAdded();

private:
    QTemporaryDir m_previews;
    std::string previews() const { return m_previews.path().toStdString(); }
};

void ThemeChooserTest::rowsShowTheGamesFirstFrameMarkDamagedThemesAndTheKeyboardChooses()
{
    QTemporaryDir program;
    const std::string folder = program.path().toStdString();
    QCOMPARE(QProcess::execute("cp", {"-r", QStringLiteral(PROGRAM_FOLDER_FOR_TESTS "/Theme1"), program.path()}), 0);
    writeTheme(folder, "Alpha", gradientTheme(3, 200, 120));
    QVERIFY(!writeHighScoreFile(folder + "/Alpha/HighScores.ini", tableWithBest("Anna", "12")));
    writeTheme(folder, "Wide", gradientTheme(2, 2400, 600));
    writeTheme(folder, "Broken", makeRowTheme(2));
    writeBytes(folder + "/Broken/bg.bmp", "BM\x10\x20 cut short");
    writeTheme(folder, "Huge", makeRowTheme(1));
    writeBytes(folder + "/Huge/bg.bmp", bitmapFile({20000, 20000, 24, 0, {}, {}, false}, std::string(4096, 'x')));
    QVERIFY(!makeFolders(folder + "/Empty"));
    const ThemeLocations locations = ThemeLocations::portable(folder);

    ScriptedPrompts prompts;
    ThemeChooser chooser(locations, "Alpha", previews(), prompts);
    QSignalSpy shown(&chooser, &ThemeChooser::allSummariesShown);
    QSignalSpy pictures(&chooser, &ThemeChooser::pictureShown);
    chooser.show();
    QListWidget* list = chooser.list();
    QCOMPARE(list->currentItem()->text(), QStringLiteral("Alpha"));
    QVERIFY(waitFor(shown));

    QStringList damaged;
    for (int row = 0; row < list->count(); ++row) {
        const QListWidgetItem* item = list->item(row);
        const std::string name = item->text().toStdString();
        const ThemeReadResult read = readThemeFolder(folder + "/" + name, name);
        if (!read) {
            damaged << item->text();
            const QString reason = QString::fromStdString(read.error().message);
            QCOMPARE(statusOf(item), "Damaged: " + reason);
            QCOMPARE(item->toolTip(), reason);
            continue;
        }
        const Surface frame = firstFrameOfRound(locations, name);
        QVERIFY(!frame.isEmpty());
        QCOMPARE(thumbnailOf(item), fitWithin(frame, kThumbnailWidth, kThumbnailHeight));
    }
    QCOMPARE(damaged, (QStringList{"Broken", "Empty", "Huge"}));
    QCOMPARE(thumbnailOf(list->item(0)).size(), QSize(160, 96));
    QCOMPARE(thumbnailOf(list->findItems("Wide", Qt::MatchExactly).value(0)).size(), QSize(160, 40));

    // The theme selected, larger, with its details and its best time.
    ThemePreviewPane* pane = chooser.previewPane();
    QVERIFY(waitFor(pictures));
    QCOMPARE(pane->picture()->pixmap().toImage().convertToFormat(QImage::Format_RGB32),
             fitWithin(firstFrameOfRound(locations, "Alpha"), kPreviewPictureWidth, kPreviewPictureHeight));
    QCOMPARE(pane->details()->text(), QStringLiteral("A crafted theme\nOn the 1st"));
    QCOMPARE(pane->objects()->text(), QStringLiteral("Objects: 3"));
    QCOMPARE(pane->bestTime()->text(), QStringLiteral("Best time: 12 seconds, by Anna"));
    QCOMPARE(statusOf(list->item(0)), QStringLiteral("3 objects, best 12 s"));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                      list->visualItemRect(list->findItems("Wide", Qt::MatchExactly).value(0)).center());
    QCOMPARE(pane->bestTime()->text(), QStringLiteral("Best time: no scores yet"));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(1)).center());
    QVERIFY(pane->damage()->isVisibleTo(pane) && !pane->bestTime()->isVisibleTo(pane));
    QVERIFY(pane->damage()->text().endsWith(list->item(1)->toolTip()));

    // Typing a name's beginning selects it, and Enter chooses it, a damaged theme as any other.
    QCOMPARE(QApplication::focusWidget(), list);
    QTest::keyClicks(list, "hu");
    QCOMPARE(list->currentItem()->text(), QStringLiteral("Huge"));
    QTest::keyClick(list, Qt::Key_Return);
    QVERIFY(!chooser.isVisible());
    QCOMPARE(chooser.chosenTheme(), std::optional<std::string>("Huge"));

    ThemeChooser cancelled(locations, "Wide", previews(), prompts);
    cancelled.show();
    QCOMPARE(cancelled.list()->currentItem()->text(), QStringLiteral("Wide"));
    QTest::keyClick(cancelled.list(), Qt::Key_Escape);
    QVERIFY(!cancelled.isVisible() && !cancelled.chosenTheme());
}

void ThemeChooserTest::theInstalledLayoutsScoresAreReadWhereTheGameKeepsThemAndASecondOpeningUsesTheCache()
{
    QTemporaryDir root;
    const std::string base = root.path().toStdString();
    const ThemeLocations locations({base + "/games", base + "/home", base + "/data", base + "/nowhere"});
    QVERIFY(!makeFolders(base + "/games"));
    writeTheme(base + "/share/vantor/themes", "Shipped", gradientTheme(2, 200, 120));
    QVERIFY(!writeHighScoreFile(base + "/share/vantor/themes/Shipped/HighScores.ini", HighScoreTable{}));
    writeTheme(base + "/data/vantor/themes", "Mine", gradientTheme(1, 200, 120));
    const std::string usersTable = locations.scoreFile("Shipped").path;
    QVERIFY(!makeFolders(usersTable.substr(0, usersTable.rfind('/'))));
    QVERIFY(!writeHighScoreFile(usersTable, tableWithBest("Bea", "9")));

    for (const bool second : {false, true}) {
        ScriptedPrompts prompts;
        ThemeChooser chooser(locations, "Shipped", previews(), prompts);
        QSignalSpy shown(&chooser, &ThemeChooser::allSummariesShown);
        chooser.show();
        QVERIFY(waitFor(shown));
        QCOMPARE(statusOf(chooser.list()->item(0)), QStringLiteral("1 object, no scores yet"));
        QCOMPARE(statusOf(chooser.list()->item(1)), QStringLiteral("2 objects, best 9 s"));
        QCOMPARE(chooser.previewPane()->bestTime()->text(), QStringLiteral("Best time: 9 seconds, by Bea"));
        for (int row = 0; row < chooser.list()->count(); ++row)
            QCOMPARE(chooser.summary(row)->fromCache, second);
    }
    QVERIFY(!isFile(base + "/data/vantor/themes/Mine/HighScores.ini"));
}

void ThemeChooserTest::listsEveryVisibleFolderAndChoosesOnlyASelection()
{
    QTemporaryDir program;
    for (const char* name : {"Theme1", "Workshop", ".cache", "theme3"})
        QVERIFY(QDir(program.path()).mkpath(name));
    const ThemeLocations locations = ThemeLocations::portable(program.path().toStdString());
    ScriptedPrompts prompts;
    // Cancel, and OK before anything is selected, choose nothing; a double click chooses the line.
    for (const bool cancel : {true, false}) {
        ThemeChooser dialog(locations, "Gone", previews(), prompts);
        dialog.show();
        QListWidget* list = dialog.list();
        QVERIFY(list->count() == 3 && list->item(2)->text() == "Workshop" && dialog.okButton()->isDefault());
        QTest::mouseClick(dialog.okButton(), Qt::LeftButton);
        QVERIFY(dialog.isVisible() && !dialog.chosenTheme());
        const QPoint line = list->visualItemRect(list->item(1)).center();
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, line);
        if (cancel)
            QTest::mouseClick(dialog.cancelButton(), Qt::LeftButton);
        else
            QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, line);
        QCOMPARE(dialog.chosenTheme(), cancel ? std::nullopt : std::optional<std::string>("theme3"));
        QVERIFY(!dialog.isVisible());
    }

    // A folder whose name is not UTF-8 is listed as the file system decodes it, and chosen by its own bytes.
    QTemporaryDir other;
    QVERIFY(!makeFolders(other.path().toStdString() + "/Th\xe8me"));
    ThemeChooser dialog(ThemeLocations::portable(other.path().toStdString()), "Th\xe8me", previews(), prompts);
    QCOMPARE(dialog.list()->count(), 1);
    QCOMPARE(dialog.list()->item(0)->text(), displayName("Th\xe8me"));
    QTest::mouseClick(dialog.okButton(), Qt::LeftButton);
    QCOMPARE(dialog.chosenTheme(), std::optional<std::string>("Th\xe8me"));
}

QTEST_MAIN(ThemeChooserTest)
void ThemeChooserTest::addThemeTakesAnArchiveOrAFolderAsksBeforeReplacingAndSelectsWhatItAdded()
{
    QTemporaryDir shared, program;
    const std::string sharedFolder = shared.path().toStdString();
    writeTheme(sharedFolder, "Meadow", gradientTheme(2, 160, 120));
    writeTheme(sharedFolder, "Lake", gradientTheme(3, 160, 120));
    const std::string archive = sharedFolder + "/Meadow.zip";
    QVERIFY(!exportTheme(ThemeLocations::portable(sharedFolder), "Meadow", archive));
    QTemporaryDir other;
    writeTheme(other.path().toStdString(), "Meadow", gradientTheme(3, 160, 120));
    const std::string otherMeadow = sharedFolder + "/Meadow with three objects.zip";
    QVERIFY(!exportTheme(ThemeLocations::portable(other.path().toStdString()), "Meadow", otherMeadow));
    const std::string notAnArchive = sharedFolder + "/Broken.zip";
    QVERIFY(!writeFileAtomically(notAnArchive, "not a zip at all"));
    writeTheme(program.path().toStdString(), "Alpha", gradientTheme(1, 160, 120));
    const ThemeLocations locations = ThemeLocations::portable(program.path().toStdString());

    struct Case {
        const char* what;
        std::optional<std::string> picked;
        std::deque<Answer> answers;
        QStringList listed;  // the rows after it, in order
        QString selected;    // the row selected after it
        const char* told;    // the start of the message shown, or nothing
        int questionsAsked;
        int objectsOfMeadow;  // as the folder in the user's themes holds it; 0: none there
    };
    const Case cases[] = {
        {"the dialog cancelled", std::nullopt, {}, {"Alpha"}, "Alpha", nullptr, 0, 0},
        {"an archive", archive, {}, {"Alpha", "Meadow"}, "Meadow", nullptr, 0, 2},
        {"not an archive", notAnArchive, {}, {"Alpha", "Meadow"}, "Alpha", "The theme was not added", 0, 2},
        {"a folder, by its Theme.ini",
         sharedFolder + "/Lake/Theme.ini",
         {},
         {"Alpha", "Lake", "Meadow"},
         "Lake",
         nullptr,
         0,
         2},
        {"another Meadow, not replacing",
         otherMeadow,
         {Answer::No},
         {"Alpha", "Lake", "Meadow"},
         "Alpha",
         nullptr,
         1,
         2},
        {"another Meadow, replacing", otherMeadow, {Answer::Yes}, {"Alpha", "Lake", "Meadow"}, "Meadow", nullptr, 1, 3},
    };
    for (const Case& c : cases) {
        ScriptedPrompts prompts;
        prompts.pickedFiles = {c.picked};
        prompts.questionAnswers = c.answers;
        ThemeChooser chooser(locations, "Alpha", previews(), prompts);
        chooser.show();
        QVERIFY2(QTest::qWaitForWindowExposed(&chooser), c.what);
        QTest::mouseClick(chooser.addThemeButton(), Qt::LeftButton);
        QStringList listed;
        for (int row = 0; row < chooser.list()->count(); ++row)
            listed << chooser.list()->item(row)->text();
        QCOMPARE(listed, c.listed);
        QVERIFY2(chooser.list()->selectedItems().size() == 1, c.what);
        QCOMPARE(chooser.list()->selectedItems().front()->text(), c.selected);
        QCOMPARE(prompts.fileRequests.size(), std::size_t(1));
        QCOMPARE(prompts.fileRequests[0].filter, std::string(kSharedThemeFilter));
        QVERIFY2(c.told ? prompts.messages.size() == 1 && prompts.messages[0].text.rfind(c.told, 0) == 0
                        : prompts.messages.empty(),
                 c.what);
        QCOMPARE(static_cast<int>(prompts.questions.size()), c.questionsAsked);
        const ThemeReadResult meadow = readThemeFolder(program.filePath("Meadow").toStdString(), "Meadow");
        QCOMPARE(meadow ? static_cast<int>(meadow.value().objects.size()) : 0, c.objectsOfMeadow);
        // The list made again shows every theme's preview, the added one's too.
        const auto everyRowSummed = [&chooser] {
            for (int row = 0; row < chooser.list()->count(); ++row)
                if (!chooser.summary(row) || chooser.summary(row)->preview.damage)
                    return false;
            return true;
        };
        QTRY_VERIFY2_WITH_TIMEOUT(everyRowSummed(), c.what, 30000);
        QTest::mouseClick(chooser.okButton(), Qt::LeftButton);
        QCOMPARE(chooser.chosenTheme(), std::optional<std::string>(c.selected.toStdString()));
    }
}

#include "theme_chooser_test.moc"
