#include <QtTest>
#include <QtWidgets>

#include "file_system.h"
#include "picture_file.h"
#include "picture_open_dialog.h"

class PictureOpenDialogTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void listsOnlyPicturesAndPreviewsTheOneClickedOrReachedByArrowKey();
    void okNeedsASelectionAndTakesItWhateverWasTypedCancelChoosesNothing();
    void browsingLeavesTheCurrentFolderAlone();
    void namesThatAreNotUtf8AreListedPreviewedAndChosen();

private:
    std::string folder() const { return m_folder.path().toStdString(); }
    static void clickFile(PictureOpenDialog& dialog, const QString& name)
    {
        QListWidget* list = dialog.fileList();
        const QList<QListWidgetItem*> found = list->findItems(name, Qt::MatchExactly);
        QVERIFY(found.size() == 1);
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(found.front()).center());
    }

    QTemporaryDir m_folder;
};

void PictureOpenDialogTest::initTestCase()
{
    const QDir dir(m_folder.path());
    QVERIFY(QImage(8, 6, QImage::Format_RGB32).save(dir.filePath("PHOTO.JPG"), "JPG"));
    QVERIFY(QImage(10, 10, QImage::Format_RGB32).save(dir.filePath("a.bmp"), "BMP"));
    QVERIFY(QFile(dir.filePath("notes.txt")).open(QIODevice::WriteOnly));
    QVERIFY(dir.mkdir("damaged"));
    QFile bad(dir.filePath("damaged/bad.bmp"));
    QVERIFY(bad.open(QIODevice::WriteOnly) && bad.write("BM not really a bitmap") > 0);
    QVERIFY(QDir::setCurrent(m_folder.path()));
}

void PictureOpenDialogTest::listsOnlyPicturesAndPreviewsTheOneClickedOrReachedByArrowKey()
{
    PictureOpenDialog dialog;
    dialog.show();
    QCOMPARE(dialog.currentFolder(), folder());
    dialog.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&dialog));
    QCOMPARE(QApplication::focusWidget(), dialog.okButton());
    QCOMPARE(dialog.folderList()->item(0)->text(), m_folder.path());
    QVERIFY(dialog.fileList()->count() == 2 && dialog.fileList()->item(1)->text() == "PHOTO.JPG");
    clickFile(dialog, "a.bmp");
    QCOMPARE(dialog.fileNameEdit()->text(), QStringLiteral("a.bmp"));
    QCOMPARE(dialog.preview()->pixmap().size(), QSize(10, 10));
    QTest::keyClick(dialog.fileList(), Qt::Key_Down);
    QCOMPARE(dialog.fileNameEdit()->text(), QStringLiteral("PHOTO.JPG"));
    QCOMPARE(dialog.preview()->pixmap().size(), QSize(8, 6));

    dialog.openFolder(folder() + "/damaged");
    clickFile(dialog, "bad.bmp");
    QVERIFY(dialog.preview()->pixmap().isNull() && dialog.preview()->toolTip().contains("bad.bmp"));
}

void PictureOpenDialogTest::okNeedsASelectionAndTakesItWhateverWasTypedCancelChoosesNothing()
{
    PictureOpenDialog dialog;
    dialog.show();
    QTest::keyClicks(dialog.fileNameEdit(), "a.bmp");
    QTest::mouseClick(dialog.okButton(), Qt::LeftButton);
    QVERIFY(dialog.isVisible() && !dialog.chosenFile());
    clickFile(dialog, "a.bmp");
    dialog.fileNameEdit()->setText("notes.txt");
    QTest::mouseClick(dialog.okButton(), Qt::LeftButton);
    QVERIFY(!dialog.isVisible() && dialog.result() == QDialog::Accepted);
    QCOMPARE(dialog.chosenFile(), std::optional<std::string>(folder() + "/a.bmp"));

    for (const bool escape : {false, true}) {
        PictureOpenDialog cancelled;
        cancelled.show();
        clickFile(cancelled, "a.bmp");
        if (escape)
            QTest::keyClick(cancelled.fileList(), Qt::Key_Escape);
        else
            QTest::mouseClick(cancelled.cancelButton(), Qt::LeftButton);
        QVERIFY(!cancelled.isVisible() && !cancelled.chosenFile());
    }
}

// Return or Enter in the folder list enters the folder, and never presses OK; coming back up selects the folder
// left.
void PictureOpenDialogTest::browsingLeavesTheCurrentFolderAlone()
{
    PictureOpenDialog dialog;
    dialog.show();
    clickFile(dialog, "a.bmp");
    QListWidget* dir1 = dialog.folderList();
    for (const auto& [entered, key, reached] :
         {std::tuple("", Qt::Key_Return, folder()), std::tuple("damaged", Qt::Key_Return, folder() + "/damaged"),
          std::tuple("..", Qt::Key_Enter, folder())}) {
        dir1->setCurrentItem(dir1->findItems(entered, Qt::MatchExactly).value(0, dir1->currentItem()));
        QTest::keyClick(dir1, key);
        QVERIFY(dialog.isVisible());
        QCOMPARE(dialog.currentFolder(), reached);
    }
    QCOMPARE(dir1->currentItem()->text(), QStringLiteral("damaged"));
    QCOMPARE(QDir::currentPath(), m_folder.path());
}

// Made on another system or in another locale: the names are the file system's bytes, not UTF-8.
void PictureOpenDialogTest::namesThatAreNotUtf8AreListedPreviewedAndChosen()
{
    const std::string latinFolder = folder() + "/Th\xe8me", latinFile = latinFolder + "/lat\xe9n.bmp";
    QVERIFY(!makeFolders(latinFolder));
    QVERIFY(!savePictureBmp(Surface(12, 7, rgb(1, 2, 3)), latinFile));
    PictureOpenDialog dialog;
    dialog.show();
    QListWidget* folders = dialog.folderList();
    const QList<QListWidgetItem*> shown = folders->findItems(displayName("Th\xe8me"), Qt::MatchExactly);
    QCOMPARE(shown.size(), 1);
    folders->setCurrentItem(shown.front());
    QTest::keyClick(folders, Qt::Key_Return);
    QCOMPARE(dialog.currentFolder(), latinFolder);
    clickFile(dialog, displayName("lat\xe9n.bmp"));
    QCOMPARE(dialog.preview()->pixmap().size(), QSize(12, 7));
    QTest::mouseClick(dialog.okButton(), Qt::LeftButton);
    QCOMPARE(dialog.chosenFile(), std::optional<std::string>(latinFile));
}

QTEST_MAIN(PictureOpenDialogTest)
#include "picture_open_dialog_test.moc"
