#include "game_window.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDate>
#include <QLocale>
#include <cmath>

#include "about_window.h"
#include "game_pictures.h"
#include "high_score_panel.h"
#include "image_button.h"
#include "qt_prompts.h"
#include "surface_canvas.h"
#include "text_fit_layout.h"

namespace {

// The window's design, in pixels.
constexpr int kCanvasLeft = 8;
constexpr int kCanvasTop = 8;
constexpr int kButtonWidth = 81;
constexpr int kButtonHeight = 33;
constexpr int kButtonRowGap = 15;  // from the canvas's height to the buttons' top
constexpr int kStartButtonIndent = 41;
constexpr double kFrameAllowancePx = 350.0 / 15.0;  // the window's outer width beyond the canvas
constexpr int kBottomMargin = 8;
constexpr int kTimeLabelWidth = 64;

}  // namespace

GameWindow::GameWindow(const std::string& programFolder, GameWindowServices services)
    : GameWindow(ThemeLocations::portable(programFolder), services)
{
}

GameWindow::GameWindow(ThemeLocations themes, GameWindowServices services)
{
    Prompts* prompts = services.prompts;
    if (!prompts) {
        ProgramDialogs dialogs;
        dialogs.about = [](QWidget* parent) {
            AboutWindow about(parent);
            about.exec();
        };
        m_ownPrompts = std::make_unique<QtPrompts>(this, "Vantor", std::move(dialogs));
        prompts = m_ownPrompts.get();
    }
    m_game = std::make_unique<Game>(std::move(themes), GameServices{services.clock, services.sound, *prompts,
                                                                    services.pump, *this, services.registry});
    buildControls();
    connectControls();
}

GameWindow::~GameWindow() = default;

void GameWindow::buildControls()
{
    setWindowTitle(QStringLiteral("Vantor"));
    m_layout = new TextFitLayout(this);
    m_canvas = new SurfaceCanvas(this);
    const QImage title = drawTitlePicture();
    m_canvas->setCanvasSize(title.width(), title.height());
    m_canvas->showImage(title);

    m_startButton = new QPushButton(QStringLiteral("&Start"), this);
    m_startButton->setToolTip(QStringLiteral("Start the game"));
    m_highScoresButton = new QPushButton(QStringLiteral("&HighScores"), this);

    m_aboutButton =
        new ImageButton(drawAboutButtonPicture(),
                        QStringLiteral("Lef click for program About, right click for description of this theme"), this);
    m_themeButton = new ImageButton(drawThemeButtonPicture(), QStringLiteral("Change the theme"), this);

    m_timeLabel = new QLabel(QStringLiteral("00.00"), this);
    m_timeLabel->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    QFont timeFont = m_timeLabel->font();
    timeFont.setPointSize(12);
    timeFont.setBold(true);
    m_timeLabel->setFont(timeFont);
    // The click area lies over the label, so the label can hide while the area stays clickable; the label keeps
    // its place while hidden, and the area follows it as it grows with the time.
    QSizePolicy keepsPlace = m_timeLabel->sizePolicy();
    keepsPlace.setRetainSizeWhenHidden(true);
    m_timeLabel->setSizePolicy(keepsPlace);
    m_timeLabel->installEventFilter(this);
    m_timeClickArea = new QWidget(this);
    m_timeClickArea->setCursor(Qt::PointingHandCursor);
    m_timeClickArea->installEventFilter(this);

    // Over the canvas while it is shown, and the window grows to hold it whole.
    m_highScorePanel = new HighScorePanel(this);
    m_layout->place(m_highScorePanel, QRect(kCanvasLeft, kCanvasTop, 0, 0));
    m_highScorePanel->raise();
}

void GameWindow::connectControls()
{
    connect(m_startButton, &QPushButton::clicked, this, [this] { m_game->startRound(); });
    connect(m_highScoresButton, &QPushButton::clicked, this, [this] { m_game->showHighScores(); });
    connect(m_highScorePanel, &HighScorePanel::closeClicked, this, [this] { m_game->hideHighScores(); });
    connect(m_aboutButton, &ImageButton::clicked, this, [this](int button) { m_game->aboutButtonReleased(button); });
    connect(m_themeButton, &ImageButton::clicked, this, [this](int button) {
        if (button == kLeftButton)
            m_game->chooseTheme();
    });
    connect(m_canvas, &SurfaceCanvas::mousePressed, this,
            [this](int button, double x, double y) { m_game->canvasPressed(button, x, y); });
    connect(m_canvas, &SurfaceCanvas::mouseMoved, this, [this](double x, double y) { m_game->canvasMoved(x, y); });
    connect(m_canvas, &SurfaceCanvas::mouseReleased, this, [this](int, double, double) { m_game->canvasReleased(); });
}

void GameWindow::start(const std::string& firstTheme)
{
    m_game->initialize(firstTheme);
    m_game->loadCurrentTheme();
}

void GameWindow::toggleTimeLabel()
{
    m_timeLabel->setVisible(!m_timeLabel->isVisible());
}

bool GameWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_timeClickArea && event->type() == QEvent::MouseButtonRelease) {
        toggleTimeLabel();
        return true;
    }
    if (watched == m_timeLabel && (event->type() == QEvent::Move || event->type() == QEvent::Resize)) {
        m_timeClickArea->setGeometry(m_timeLabel->geometry());
        m_timeClickArea->raise();
    }
    return QWidget::eventFilter(watched, event);
}

void GameWindow::setCaption(const std::string& text)
{
    setWindowTitle(QString::fromStdString(text));
}

void GameWindow::setTimeText(const std::string& text)
{
    m_timeLabel->setText(QString::fromStdString(text));
}

void GameWindow::setCanvasSize(int width, int height)
{
    m_canvas->setCanvasSize(width, height);
}

void GameWindow::fitWindowToCanvas()
{
    const int canvasWidth = m_canvas->width();
    const int canvasHeight = m_canvas->height();
    const int buttonTop = canvasHeight + kButtonRowGap;
    const double outerWidth = canvasWidth + kFrameAllowancePx;

    // The design's places; buttons and the time grow to their texts from there, and push their neighbours.
    const QRect start(kCanvasLeft + kStartButtonIndent, buttonTop, kButtonWidth, kButtonHeight);
    const int startRight = start.x() + start.width();
    const double gap = (outerWidth - 2 * kButtonWidth) / 3.0;
    const QRect highScores(static_cast<int>(std::lround(startRight + gap)), buttonTop, kButtonWidth, kButtonHeight);
    const QRect about(QPoint(startRight + 5, buttonTop), m_aboutButton->size());
    const QRect theme(QPoint(highScores.x() + highScores.width() + 1, buttonTop), m_themeButton->size());
    const QRect time(theme.x() + theme.width() + 8, buttonTop, kTimeLabelWidth, kButtonHeight);
    m_layout->place(m_canvas, QRect(kCanvasLeft, kCanvasTop, canvasWidth, canvasHeight));
    m_layout->place(m_startButton, start);
    m_layout->place(m_highScoresButton, highScores);
    m_layout->place(m_aboutButton, about);
    m_layout->place(m_themeButton, theme);
    m_layout->place(m_timeLabel, time);

    const int width = std::max(kCanvasLeft + canvasWidth + kCanvasLeft, time.right() + kCanvasLeft);
    m_layout->setDesignSize(QSize(width, buttonTop + kButtonHeight + kBottomMargin));
    m_layout->activate();
}

void GameWindow::present(const Surface& frame)
{
    m_canvas->showFrame(frame);
}

void GameWindow::showHighScoreRows(const HighScoreTable& table)
{
    m_highScorePanel->showRows(table, decimalPoint());
}

void GameWindow::setHighScorePanelVisible(bool visible)
{
    m_highScorePanel->setVisible(visible);
    if (visible)
        m_highScorePanel->raise();
}

std::string GameWindow::todayShortDate()
{
    return QLocale::system().toString(QDate::currentDate(), QLocale::ShortFormat).toStdString();
}

char GameWindow::decimalPoint()
{
    const QString point = QLocale::system().decimalPoint();
    return point.size() == 1 && point.at(0).unicode() < 0x80 ? point.at(0).toLatin1() : '.';
}

void GameWindow::closeEvent(QCloseEvent* event)
{
    m_game->windowClosing();
    event->accept();
    QApplication::quit();
}
