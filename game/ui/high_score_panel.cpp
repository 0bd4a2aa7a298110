#include "high_score_panel.h"

#include <QPainter>

#include "game_pictures.h"
#include "text_fit_layout.h"

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
// The columns grow to their widest text. A name typed into the name box is at most 30 characters long; one
// written into the file by hand may be far longer, and is shortened beyond this, so the panel stays on the
// screen.
constexpr int kLongestShownText = 50;

QString shownText(const std::string& stored)
{
    const QString text = QString::fromStdString(stored);
    if (text.size() <= kLongestShownText)
        return text;
    int kept = kLongestShownText - 1;
    if (text.at(kept - 1).isHighSurrogate())
        --kept;
    return text.left(kept) + QChar(0x2026);
}

QString shownTime(const std::string& stored, char decimalPoint)
{
    QString text = shownText(stored);
    text.replace(QLatin1Char('.'), QLatin1Char(decimalPoint));
    return text;
}

}  // namespace

HighScorePanel::HighScorePanel(QWidget* parent) : QWidget(parent)
{
    m_layout = new TextFitLayout(this, QSize(kPanelWidth, kPanelHeight));

    auto* heading = new QLabel(QStringLiteral("HIGHSCORES"), this);
    QFont headingFont(QStringLiteral("Arial Black"));
    headingFont.setPointSizeF(15.75);
    headingFont.setBold(true);
    heading->setFont(headingFont);
    heading->setStyleSheet(QStringLiteral("color: rgb(255, 0, 0); background: transparent;"));
    heading->setAlignment(Qt::AlignCenter);
    m_layout->place(heading, QRect(40, 0, 240, 32));

    for (int i = 0; i < kHighScoreRows; ++i) {
        const int top = kFirstRowTop + i * (kRowHeight + kRowGap);
        m_placeLabels[i] = makeRowLabel(QRect(8, top, 13, kRowHeight), QColor(0, 0, 0));
        m_nameLabels[i] = makeRowLabel(QRect(40, top, 60, kRowHeight), QColor(0, 0, 192));
        m_dateLabels[i] = makeRowLabel(QRect(152, top, 62, kRowHeight), QColor(128, 255, 255));
        m_timeLabels[i] = makeRowLabel(QRect(248, top, 18, kRowHeight), QColor(255, 255, 255));
        m_placeLabels[i]->setText(i == 0 ? QStringLiteral("1.") : QString::number(i + 1) + QStringLiteral(". "));
    }

    // Close keeps to the panel's lower edge, wherever the rows above it end.
    m_closeButton = new QPushButton(QStringLiteral("Close"), this);
    m_closeButton->resize(QSize(kCloseWidth, kCloseHeight).expandedTo(m_closeButton->sizeHint()));
    connect(m_closeButton, &QPushButton::clicked, this, &HighScorePanel::closeClicked);
    hide();
}

QLabel* HighScorePanel::makeRowLabel(const QRect& place, const QColor& colour)
{
    auto* label = new QLabel(this);
    // Names come from the players and the score files: never markup to lay out.
    label->setTextFormat(Qt::PlainText);
    QFont font(QStringLiteral("Arial"));
    font.setPointSize(12);
    font.setBold(true);
    label->setFont(font);
    label->setStyleSheet(QStringLiteral("background: transparent; color: %1;").arg(colour.name()));
    m_layout->place(label, place);
    return label;
}

void HighScorePanel::showRows(const HighScoreTable& table, char decimalPoint)
{
    for (int i = 0; i < kHighScoreRows; ++i) {
        m_nameLabels[i]->setText(shownText(table[i].name));
        m_dateLabels[i]->setText(shownText(table[i].date));
        m_timeLabels[i]->setText(shownTime(table[i].time, decimalPoint));
    }
    m_layout->activate();
}

void HighScorePanel::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.drawImage(0, 0, m_background);
}

void HighScorePanel::resizeEvent(QResizeEvent*)
{
    if (m_background.size() != size())
        m_background = drawHighScoreBackground(width(), height());
    m_closeButton->move(kCloseLeft, height() - m_closeButton->height() - kCloseBottomMargin);
}
