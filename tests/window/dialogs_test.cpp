#include <QtTest>
#include <QtWidgets>

#include "about_window.h"
#include "high_score_panel.h"
#include "qt_prompts.h"

class DialogsTest : public QObject {
    Q_OBJECT

private slots:
    void aboutShowsItsTextsAndScrollsOnlyALongDescription();
    void aboutLogoFollowsOnlyWithCtrlAlone();
    void namesAndThemeTextsShowAsTheyAreNeverAsMarkup();
};

void DialogsTest::aboutShowsItsTextsAndScrollsOnlyALongDescription()
{
    AboutWindow about;
    QCOMPARE(about.version()->text(), QStringLiteral("1.00.0000"));
    const int top = about.description()->y();
    for (int tick = 0; tick < 10; ++tick)
        about.scrollDescription();
    QCOMPARE(about.description()->y(), top);

    about.setDescription(QString("A very long description of the game. ").repeated(20));
    about.scrollDescription();
    const int height = about.description()->height();
    QVERIFY(height > about.descriptionBox()->height());
    QCOMPARE(about.description()->y(), -5);
    int ticks = 1;
    for (; about.description()->y() < 0 && ticks < 10000; ++ticks)
        about.scrollDescription();
    QCOMPARE(about.description()->y(), about.descriptionBox()->height() + 2);
    QCOMPARE(ticks, (height + 4) / 5);  // the tick whose top reaches minus the height re-enters
    about.scrollDescription();
    QCOMPARE(about.description()->y(), about.descriptionBox()->height() + 2 - 5);
}

void DialogsTest::aboutLogoFollowsOnlyWithCtrlAlone()
{
    QPoint pointer;
    AboutWindow about(nullptr, [&pointer] { return pointer; });
    about.show();
    QVERIFY(QTest::qWaitForWindowExposed(&about));
    QLabel* logo = about.logo();
    QCOMPARE(about.logoTimer()->interval(), 200);
    for (const Qt::KeyboardModifiers notCtrlAlone :
         {Qt::ControlModifier | Qt::ShiftModifier, Qt::KeyboardModifiers()}) {
        QTest::mousePress(logo, Qt::LeftButton, notCtrlAlone, QPoint(5, 5));
        QVERIFY(!about.isDraggingLogo());
        QTest::mouseRelease(logo, Qt::LeftButton, {}, QPoint(5, 5));
    }

    QTest::mousePress(logo, Qt::LeftButton, Qt::ControlModifier, QPoint(5, 5));
    QVERIFY(about.isDraggingLogo());
    pointer = about.frameGeometry().topLeft() + QPoint(150, 100);
    about.moveLogo();
    QCOMPARE(about.logoTimer()->interval(), 50);
    QCOMPARE(logo->pos(), QPoint(150 - logo->width() / 2, 100 - logo->height() / 2));
    QTest::mouseRelease(logo, Qt::LeftButton, Qt::ControlModifier, QPoint(5, 5));
    QVERIFY(!about.isDraggingLogo() && about.logoTimer()->interval() == 200);
    about.moveLogo();
    QCOMPARE(logo->pos(), QPoint(8, 8));
}

void DialogsTest::namesAndThemeTextsShowAsTheyAreNeverAsMarkup()
{
    // Laid out as markup, this would show "Ann" in bold, narrower than the text itself, and Qt would open the
    // path the image names.
    const QString markup = QStringLiteral("<b>Ann</b><img src=\"no such picture.png\">");
    const auto showsItAsItIs = [&markup](const QLabel* label) {
        QLabel plain(markup);
        plain.setTextFormat(Qt::PlainText);
        plain.setFont(label->font());
        plain.setWordWrap(label->wordWrap());
        return label->text() == markup && label->sizeHint() == plain.sizeHint();
    };
    HighScorePanel panel;
    HighScoreTable table;
    table[0].name = markup.toStdString();
    panel.showRows(table, '.');
    const QList<QLabel*> labels = panel.findChildren<QLabel*>();
    QVERIFY(std::any_of(labels.begin(), labels.end(), showsItAsItIs));
    AboutWindow about;
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
