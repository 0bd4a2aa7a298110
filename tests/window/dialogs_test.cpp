#include <QDir>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include "frm_about.h"
#include "frm_choose_theme.h"

class DialogsTest : public QObject {
    Q_OBJECT

private slots:
    void init() { m_program = std::make_unique<QTemporaryDir>(); }
    void chooserListsEveryVisibleFolderSorted();
    void chooserOkNeedsASelection();
    void chooserCancelAndDoubleClick();
    void aboutShowsTitleAndVersion();
    void aboutDescriptionThatFitsStandsStill();
    void aboutLongDescriptionScrollsAndReenters();
    void aboutLogoFollowsOnlyWithCtrlAlone();

private:
    QStringList listed(const FrmChooseTheme& dialog) const;
    void makeFolders(const QStringList& names);

    std::unique_ptr<QTemporaryDir> m_program;
};

QStringList DialogsTest::listed(const FrmChooseTheme& dialog) const
{
    QStringList names;
    for (int i = 0; i < dialog.list()->count(); ++i)
        names << dialog.list()->item(i)->text();
    return names;
}

void DialogsTest::makeFolders(const QStringList& names)
{
    for (const QString& name : names)
        QVERIFY(QDir(m_program->path()).mkpath(name));
}

void DialogsTest::chooserListsEveryVisibleFolderSorted()
{
    makeFolders({"Theme1", "Workshop", "my theme v2.1", ".cache", "Theme12", "theme3"});
    FrmChooseTheme dialog(m_program->path().toStdString());
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Choose a theme"));
    QCOMPARE(listed(dialog), (QStringList{"my theme v2.1", "Theme1", "theme3", "Theme12", "Workshop"}));
    QVERIFY(dialog.list()->selectedItems().isEmpty());
    QVERIFY(dialog.okButton()->isDefault());
}

void DialogsTest::chooserOkNeedsASelection()
{
    makeFolders({"Theme1", "Workshop"});
    FrmChooseTheme dialog(m_program->path().toStdString());
    dialog.show();
    QTest::mouseClick(dialog.okButton(), Qt::LeftButton);
    QVERIFY(dialog.isVisible());
    QVERIFY(!dialog.chosenTheme());

    dialog.list()->setCurrentRow(1);
    QTest::mouseClick(dialog.okButton(), Qt::LeftButton);
    QVERIFY(!dialog.isVisible());
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QCOMPARE(dialog.chosenTheme(), std::optional<std::string>("Workshop"));
}

void DialogsTest::chooserCancelAndDoubleClick()
{
    makeFolders({"Theme1", "Workshop"});
    FrmChooseTheme cancelled(m_program->path().toStdString());
    cancelled.show();
    cancelled.list()->setCurrentRow(0);
    QTest::mouseClick(cancelled.cancelButton(), Qt::LeftButton);
    QVERIFY(!cancelled.isVisible());
    QVERIFY(!cancelled.chosenTheme());

    FrmChooseTheme doubleClicked(m_program->path().toStdString());
    doubleClicked.show();
    QVERIFY(QTest::qWaitForWindowExposed(&doubleClicked));
    QListWidget* list = doubleClicked.list();
    const QPoint line = list->visualItemRect(list->item(0)).center();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, line);
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, line);
    QCOMPARE(doubleClicked.chosenTheme(), std::optional<std::string>("Theme1"));
    QVERIFY(!doubleClicked.isVisible());
}

void DialogsTest::aboutShowsTitleAndVersion()
{
    FrmAbout about;
    QCOMPARE(about.windowTitle(), QStringLiteral("About"));
    QCOMPARE(about.title()->text(), QStringLiteral("Vantor"));
    QCOMPARE(about.version()->text(), QStringLiteral("1.00.0000"));
    QCOMPARE(about.description()->text(), QStringLiteral("A game to test how accurate you are with the mouse"));
    QCOMPARE(about.palette().color(QPalette::Window), QColor(255, 255, 0));
}

void DialogsTest::aboutDescriptionThatFitsStandsStill()
{
    FrmAbout about;
    const int top = about.description()->y();
    for (int tick = 0; tick < 10; ++tick)
        about.tmrScroll_Timer();
    QCOMPARE(about.description()->y(), top);
}

void DialogsTest::aboutLongDescriptionScrollsAndReenters()
{
    FrmAbout about;
    about.setDescription(QString("A very long description of the game. ").repeated(20));
    about.tmrScroll_Timer();
    const int height = about.description()->height();
    QVERIFY(height > about.descriptionBox()->height());
    QCOMPARE(about.description()->y(), -5);
    about.tmrScroll_Timer();
    QCOMPARE(about.description()->y(), -10);

    int ticks = 2;
    while (about.description()->y() < 0 && ticks < 10000) {
        about.tmrScroll_Timer();
        ++ticks;
    }
    QCOMPARE(about.description()->y(), about.descriptionBox()->height() + 2);
    QCOMPARE(ticks, (height + 4) / 5);  // the tick whose top reaches minus the height re-enters
    about.tmrScroll_Timer();
    QCOMPARE(about.description()->y(), about.descriptionBox()->height() + 2 - 5);
}

void DialogsTest::aboutLogoFollowsOnlyWithCtrlAlone()
{
    QPoint pointer(200, 150);
    FrmAbout about(nullptr, [&pointer] { return pointer; });
    about.move(0, 0);
    about.show();
    QVERIFY(QTest::qWaitForWindowExposed(&about));
    const QPoint corner = about.frameGeometry().topLeft();
    QLabel* logo = about.logo();
    QCOMPARE(about.logoTimer()->interval(), 200);

    QTest::mousePress(logo, Qt::LeftButton, Qt::ControlModifier | Qt::ShiftModifier, QPoint(5, 5));
    QVERIFY(!about.isDraggingLogo());
    QTest::mouseRelease(logo, Qt::LeftButton, {}, QPoint(5, 5));
    QTest::mousePress(logo, Qt::LeftButton, {}, QPoint(5, 5));
    QVERIFY(!about.isDraggingLogo());
    QTest::mouseRelease(logo, Qt::LeftButton, {}, QPoint(5, 5));

    QTest::mousePress(logo, Qt::LeftButton, Qt::ControlModifier, QPoint(5, 5));
    QVERIFY(about.isDraggingLogo());
    pointer = corner + QPoint(150, 100);
    about.Timer1_Timer();
    QCOMPARE(about.logoTimer()->interval(), 50);
    QCOMPARE(logo->pos(), QPoint(150 - logo->width() / 2, 100 - logo->height() / 2));

    QTest::mouseRelease(logo, Qt::LeftButton, Qt::ControlModifier, QPoint(5, 5));
    QVERIFY(!about.isDraggingLogo());
    QCOMPARE(about.logoTimer()->interval(), 200);
    about.Timer1_Timer();
    QCOMPARE(logo->pos(), QPoint(8, 8));
}

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationVersion(QStringLiteral("1.0.0"));
    DialogsTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "dialogs_test.moc"
