#include <QtTest>
#include <QtWidgets>

#include "open_dg.h"

class OpenDgTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void listsOnlyPicturesAndPreviewsTheOneClickedOrReachedByArrowKey();
    void okNeedsASelectionAndTakesItWhateverWasTypedCancelChoosesNothing();
    void browsingLeavesTheCurrentFolderAlone();

private:
    std::string folder() const { return m_folder.path().toStdString(); }
    static void clickFile(OpenDg& dialog, const QString& name)
    {
        QListWidget* list = dialog.file1();
        const QList<QListWidgetItem*> found = list->findItems(name, Qt::MatchExactly);
        QVERIFY(found.size() == 1);
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(found.front()).center());
    }

    QTemporaryDir m_folder;
};

void OpenDgTest::initTestCase()
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

void OpenDgTest::listsOnlyPicturesAndPreviewsTheOneClickedOrReachedByArrowKey()
{
    OpenDg dialog;
    dialog.show();
    QCOMPARE(dialog.currentFolder(), folder());
    QCOMPARE(dialog.dir1()->item(0)->text(), m_folder.path());
    QVERIFY(dialog.file1()->count() == 2 && dialog.file1()->item(1)->text() == "PHOTO.JPG");
    clickFile(dialog, "a.bmp");
    QCOMPARE(dialog.txtFile()->text(), QStringLiteral("a.bmp"));
    QCOMPARE(dialog.imgPreview()->pixmap().size(), QSize(10, 10));
    QTest::keyClick(dialog.file1(), Qt::Key_Down);
    QCOMPARE(dialog.txtFile()->text(), QStringLiteral("PHOTO.JPG"));
    QCOMPARE(dialog.imgPreview()->pixmap().size(), QSize(8, 6));

    dialog.openFolder(folder() + "/damaged");
    clickFile(dialog, "bad.bmp");
    QVERIFY(dialog.imgPreview()->pixmap().isNull() && dialog.imgPreview()->text().contains("bad.bmp"));
}

void OpenDgTest::okNeedsASelectionAndTakesItWhateverWasTypedCancelChoosesNothing()
{
    OpenDg dialog;
    dialog.show();
    QTest::keyClicks(dialog.txtFile(), "a.bmp");
    QTest::mouseClick(dialog.okButton(), Qt::LeftButton);
    QVERIFY(dialog.isVisible() && !dialog.chosenFile());
    clickFile(dialog, "a.bmp");
    dialog.txtFile()->setText("notes.txt");
    QTest::mouseClick(dialog.okButton(), Qt::LeftButton);
    QVERIFY(!dialog.isVisible() && dialog.result() == QDialog::Accepted);
    QCOMPARE(dialog.chosenFile(), std::optional<std::string>(folder() + "/a.bmp"));

    for (const bool escape : {false, true}) {
        OpenDg cancelled;
        cancelled.show();
        clickFile(cancelled, "a.bmp");
        if (escape)
            QTest::keyClick(cancelled.file1(), Qt::Key_Escape);
        else
            QTest::mouseClick(cancelled.cancelButton(), Qt::LeftButton);
        QVERIFY(!cancelled.isVisible() && !cancelled.chosenFile());
    }
}

// Return or Enter in the folder list enters the folder, and never presses OK; coming back up selects the folder
// left.
void OpenDgTest::browsingLeavesTheCurrentFolderAlone()
{
    OpenDg dialog;
    dialog.show();
    clickFile(dialog, "a.bmp");
    QListWidget* dir1 = dialog.dir1();
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

QTEST_MAIN(OpenDgTest)
#include "open_dg_test.moc"
