#include "frm_main.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDate>
#include <QLocale>
#include <cmath>

#include "frm_about.h"
#include "game_pictures.h"
#include "high_score_panel.h"
#include "image_button.h"
#include "qt_prompts.h"
#include "surface_canvas.h"

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

FrmMain::FrmMain(const std::string& programFolder, FrmMainServices services)
{
    Prompts* prompts = services.prompts;
    if (!prompts) {
        ProgramDialogs dialogs;
        dialogs.about = [](QWidget* parent) {
            FrmAbout about(parent);
            about.exec();
        };
        m_ownPrompts = std::make_unique<QtPrompts>(this, "Vantor", std::move(dialogs));
        prompts = m_ownPrompts.get();
    }
    m_game = std::make_unique<Game>(
        programFolder, GameServices{services.clock, services.sound, *prompts, services.pump, *this, services.registry});
    buildControls();
    connectControls();
}

FrmMain::~FrmMain() = default;

void FrmMain::buildControls()
{
    setWindowTitle(QStringLiteral("Vantor"));
    m_PicCanvas = new SurfaceCanvas(this);
    m_PicCanvas->move(kCanvasLeft, kCanvasTop);
    const QImage title = drawTitlePicture();
    m_PicCanvas->setCanvasSize(title.width(), title.height());
    m_PicCanvas->showImage(title);

    m_Command1 = new QPushButton(QStringLiteral("&Start"), this);
    m_Command1->setToolTip(QStringLiteral("Start the game"));
    m_cmdShowHighscores = new QPushButton(QStringLiteral("&HighScores"), this);
    for (QPushButton* button : {m_Command1, m_cmdShowHighscores})
        button->setFixedSize(kButtonWidth, kButtonHeight);

    m_imgAbout =
        new ImageButton(drawAboutButtonPicture(),
                        QStringLiteral("Lef click for program About, right click for description of this theme"), this);
    m_Image2 = new ImageButton(drawThemeButtonPicture(), QStringLiteral("Change the theme"), this);

    m_lblTime = new QLabel(QStringLiteral("00.00"), this);
    m_lblTime->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    QFont timeFont = m_lblTime->font();
    timeFont.setPointSize(12);
    timeFont.setBold(true);
    m_lblTime->setFont(timeFont);
    // The click area lies over the label, so the label can hide while the area stays clickable.
    m_Image1 = new QWidget(this);
    m_Image1->setCursor(Qt::PointingHandCursor);
    m_Image1->installEventFilter(this);

    m_picHighScores = new HighScorePanel(this);
    m_picHighScores->raise();
}

void FrmMain::connectControls()
{
    connect(m_Command1, &QPushButton::clicked, this, [this] { m_game->Command1_Click(); });
    connect(m_cmdShowHighscores, &QPushButton::clicked, this, [this] { m_game->cmdShowHighscores_Click(); });
    connect(m_picHighScores, &HighScorePanel::closeClicked, this, [this] { m_game->cmdHideScores_Click(); });
    connect(m_imgAbout, &ImageButton::clicked, this, [this](int button) { m_game->imgAbout_MouseUp(button); });
    connect(m_Image2, &ImageButton::clicked, this, [this](int button) {
        if (button == kLeftButton)
            m_game->Image2_Click();
    });
    connect(m_PicCanvas, &SurfaceCanvas::mousePressed, this,
            [this](int button, double x, double y) { m_game->PicCanvas_MouseDown(button, x, y); });
    connect(m_PicCanvas, &SurfaceCanvas::mouseMoved, this,
            [this](double x, double y) { m_game->PicCanvas_MouseMove(x, y); });
    connect(m_PicCanvas, &SurfaceCanvas::mouseReleased, this,
            [this](int, double, double) { m_game->PicCanvas_MouseUp(); });
}

void FrmMain::start()
{
    m_game->Form_Initialize();
    m_game->Form_Load();
}

void FrmMain::Image1_Click()
{
    m_lblTime->setVisible(!m_lblTime->isVisible());
}

bool FrmMain::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_Image1 && event->type() == QEvent::MouseButtonRelease) {
        Image1_Click();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

void FrmMain::setCaption(const std::string& text)
{
    setWindowTitle(QString::fromStdString(text));
}

void FrmMain::setTimeText(const std::string& text)
{
    m_lblTime->setText(QString::fromStdString(text));
}

void FrmMain::setCanvasSize(int width, int height)
{
    m_PicCanvas->setCanvasSize(width, height);
}

void FrmMain::fitWindowToCanvas()
{
    const int canvasWidth = m_PicCanvas->width();
    const int canvasHeight = m_PicCanvas->height();
    const int buttonTop = canvasHeight + kButtonRowGap;
    const double outerWidth = canvasWidth + kFrameAllowancePx;

    m_picHighScores->move(kCanvasLeft, kCanvasTop);
    m_Command1->move(kCanvasLeft + kStartButtonIndent, buttonTop);
    const double gap = (outerWidth - m_Command1->width() - m_cmdShowHighscores->width()) / 3.0;
    const int startRight = m_Command1->x() + m_Command1->width();
    m_cmdShowHighscores->move(static_cast<int>(std::lround(startRight + gap)), buttonTop);
    m_imgAbout->move(startRight + 5, buttonTop);
    m_Image2->move(m_cmdShowHighscores->x() + m_cmdShowHighscores->width() + 1, buttonTop);
    m_lblTime->setGeometry(m_Image2->x() + m_Image2->width() + 8, buttonTop, kTimeLabelWidth, kButtonHeight);
    m_Image1->setGeometry(m_lblTime->geometry());
    m_Image1->raise();

    const int width = std::max(kCanvasLeft + canvasWidth + kCanvasLeft, m_lblTime->geometry().right() + kCanvasLeft);
    setFixedSize(width, buttonTop + kButtonHeight + kBottomMargin);
}

void FrmMain::present(const Surface& frame)
{
    m_PicCanvas->showFrame(frame);
}

void FrmMain::showHighScoreRows(const HighScoreTable& table)
{
    m_picHighScores->showRows(table, decimalPoint());
}

void FrmMain::setHighScorePanelVisible(bool visible)
{
    m_picHighScores->setVisible(visible);
    if (visible)
        m_picHighScores->raise();
}

std::string FrmMain::todayShortDate()
{
    return QLocale::system().toString(QDate::currentDate(), QLocale::ShortFormat).toStdString();
}

char FrmMain::decimalPoint()
{
    const QString point = QLocale::system().decimalPoint();
    return point.size() == 1 && point.at(0).unicode() < 0x80 ? point.at(0).toLatin1() : '.';
}

void FrmMain::closeEvent(QCloseEvent* event)
{
    m_game->Form_Unload();
    event->accept();
    QApplication::quit();
}
