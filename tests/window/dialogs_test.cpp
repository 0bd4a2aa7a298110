#include <QDir>
#include <QLabel>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include "frm_about.h"
#include "frm_choose_theme.h"
#include "high_score_panel.h"
#include "qt_prompts.h"

class DialogsTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void chooserListsEveryVisibleFolderAndChoosesOnlyASelection();
    void aboutShowsTitleAndVersionAndAShortDescriptionStandsStill();
    void aboutLongDescriptionScrollsAndReenters();
    void aboutLogoFollowsOnlyWithCtrlAlone();
    void namesAndThemeTextsShowAsTheyAreNeverAsMarkup();

private:
    std::string programFolder() const { return m_program.path().toStdString(); }

    QTemporaryDir m_program;
};

void DialogsTest::initTestCase()
{
    for (const char* name : {"Theme1", "Workshop", "my theme v2.1", ".cache", "Theme12", "theme3"})
        QVERIFY(QDir(m_program.path()).mkpath(name));
}

void DialogsTest::chooserListsEveryVisibleFolderAndChoosesOnlyASelection()
{
    FrmChooseTheme dialog(programFolder());
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Choose a theme"));
    QListWidget* list = dialog.list();
    QStringList listed;
    for (int i = 0; i < list->count(); ++i)
        listed << list->item(i)->text();
    QCOMPARE(listed, (QStringList{"my theme v2.1", "Theme1", "theme3", "Theme12", "Workshop"}));
    QVERIFY(list->selectedItems().isEmpty() && dialog.okButton()->isDefault());
    QTest::mouseClick(dialog.okButton(), Qt::LeftButton);
    QVERIFY(dialog.isVisible() && !dialog.chosenTheme());
    const QPoint line = list->visualItemRect(list->item(1)).center();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, line);
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, line);
    QCOMPARE(dialog.chosenTheme(), std::optional<std::string>("Theme1"));
    QVERIFY(!dialog.isVisible());

    FrmChooseTheme cancelled(programFolder());
    cancelled.show();
    cancelled.list()->setCurrentRow(1);
    QTest::mouseClick(cancelled.cancelButton(), Qt::LeftButton);
    QVERIFY(!cancelled.isVisible() && !cancelled.chosenTheme());
}

void DialogsTest::aboutShowsTitleAndVersionAndAShortDescriptionStandsStill()
{
    FrmAbout about;
    QCOMPARE(about.windowTitle(), QStringLiteral("About"));
    QCOMPARE(about.title()->text(), QStringLiteral("Vantor"));
    QCOMPARE(about.version()->text(), QStringLiteral("1.00.0000"));
    QCOMPARE(about.description()->text(), QStringLiteral("A game to test how accurate you are with the mouse"));
    QCOMPARE(about.palette().color(QPalette::Window), QColor(255, 255, 0));

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

    int ticks = 1;
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

    for (Qt::KeyboardModifiers notCtrlAlone :
         {Qt::KeyboardModifiers(Qt::ControlModifier | Qt::ShiftModifier), Qt::KeyboardModifiers(Qt::NoModifier)}) {
        QTest::mousePress(logo, Qt::LeftButton, notCtrlAlone, QPoint(5, 5));
        QVERIFY(!about.isDraggingLogo());
        QTest::mouseRelease(logo, Qt::LeftButton, {}, QPoint(5, 5));
    }

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

void DialogsTest::namesAndThemeTextsShowAsTheyAreNeverAsMarkup()
{
    // Laid out as markup, this would show "Ann" in bold, narrower than the text itself, and Qt would open the
    // path the image names.
    const QString markup = QStringLiteral("<b>Ann</b><img src=\"no such picture.png\">");
    const auto showsItAsItIs = [&markup](const QLabel* label) {
        QLabel plain;
        plain.setTextFormat(Qt::PlainText);
        plain.setFont(label->font());
        plain.setWordWrap(label->wordWrap());
        plain.setText(markup);
        return label->text() == markup && label->sizeHint() == plain.sizeHint();
    };
    HighScorePanel panel;
    HighScoreTable table;
    table[0].name = markup.toStdString();
    panel.showRows(table, '.');
    const QList<QLabel*> labels = panel.findChildren<QLabel*>();
    QVERIFY(std::any_of(labels.begin(), labels.end(), showsItAsItIs));

    FrmAbout about;
    about.setDescription(markup);
    QVERIFY(showsItAsItIs(about.description()));

    QWidget parent;
    QtPrompts prompts(&parent, "Vantor", {});
    bool boxShowsItAsItIs = false;
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        const auto* label = box ? box->findChild<QLabel*>(QStringLiteral("qt_msgbox_label")) : nullptr;
        boxShowsItAsItIs = label && showsItAsItIs(label);
        if (box)
            box->accept();
    });
    prompts.message("Theme Details", markup.toStdString(), MessageIcon::Information);
    QVERIFY(boxShowsItAsItIs);
}

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationVersion(QStringLiteral("1.0.0"));
    DialogsTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "dialogs_test.moc"
