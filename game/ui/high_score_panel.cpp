#include "high_score_panel.h"

#include <QPainter>

#include "game_pictures.h"

namespace {

// The panel's design, in pixels.
constexpr int kPanelWidth = 321;
constexpr int kPanelHeight = 285;
constexpr int kFirstRowTop = 32;
constexpr int kRowHeight = 19;
constexpr int kRowGap = 2;
constexpr int kCloseLeft = 104;
constexpr int kCloseWidth = 105;
constexpr int kCloseHeight = 25;
constexpr int kCloseBottomMargin = 10;

QString shownTime(const std::string& stored, char decimalPoint)
{
    QString text = QString::fromStdString(stored);
    text.replace(QLatin1Char('.'), QLatin1Char(decimalPoint));
    return text;
}

}  // namespace

HighScorePanel::HighScorePanel(QWidget* parent)
    : QWidget(parent), m_background(drawHighScoreBackground(kPanelWidth, kPanelHeight))
{
    setFixedSize(kPanelWidth, kPanelHeight);

    auto* heading = new QLabel(QStringLiteral("HIGHSCORES"), this);
    QFont headingFont(QStringLiteral("Arial Black"));
    headingFont.setPointSizeF(15.75);
    headingFont.setBold(true);
    heading->setFont(headingFont);
    heading->setStyleSheet(QStringLiteral("color: rgb(255, 0, 0); background: transparent;"));
    heading->setAlignment(Qt::AlignCenter);
    heading->setGeometry(40, 0, 240, 32);

    for (int i = 0; i < kHighScoreRows; ++i) {
        const int top = kFirstRowTop + i * (kRowHeight + kRowGap);
        m_placeLabels[i] = makeRowLabel(8, top, 30, QColor(0, 0, 0));
        m_nameLabels[i] = makeRowLabel(40, top, 110, QColor(0, 0, 192));
        m_dateLabels[i] = makeRowLabel(152, top, 94, QColor(128, 255, 255));
        m_timeLabels[i] = makeRowLabel(248, top, 70, QColor(255, 255, 255));
        m_placeLabels[i]->setText(i == 0 ? QStringLiteral("1.") : QString::number(i + 1) + QStringLiteral(". "));
    }

    m_closeButton = new QPushButton(QStringLiteral("Close"), this);
    m_closeButton->setGeometry(kCloseLeft, kPanelHeight - kCloseHeight - kCloseBottomMargin, kCloseWidth, kCloseHeight);
    connect(m_closeButton, &QPushButton::clicked, this, &HighScorePanel::closeClicked);
    hide();
}

QLabel* HighScorePanel::makeRowLabel(int left, int top, int width, const QColor& colour)
{
    auto* label = new QLabel(this);
    // Names come from the players and the score files: never markup to lay out.
    label->setTextFormat(Qt::PlainText);
    QFont font(QStringLiteral("Arial"));
    font.setPointSize(12);
    font.setBold(true);
    label->setFont(font);
    label->setStyleSheet(QStringLiteral("background: transparent; color: %1;").arg(colour.name()));
    label->setGeometry(left, top, width, kRowHeight);
    return label;
}

void HighScorePanel::showRows(const HighScoreTable& table, char decimalPoint)
{
    for (int i = 0; i < kHighScoreRows; ++i) {
        m_nameLabels[i]->setText(QString::fromStdString(table[i].name));
        m_dateLabels[i]->setText(QString::fromStdString(table[i].date));
        m_timeLabels[i]->setText(shownTime(table[i].time, decimalPoint));
    }
}

void HighScorePanel::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.drawImage(0, 0, m_background);
}

void HighScorePanel::resizeEvent(QResizeEvent*)
{
    // Close stays at the panel's lower edge whatever its height.
    m_closeButton->move(kCloseLeft, height() - m_closeButton->height() - kCloseBottomMargin);
}
