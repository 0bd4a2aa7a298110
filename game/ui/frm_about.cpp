#include "frm_about.h"

#include <QCoreApplication>
#include <QCursor>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QTimer>

#include "game_pictures.h"
#include "version_text.h"

namespace {

// The window's design, in pixels.
constexpr int kClientWidth = 312;
constexpr int kClientHeight = 213;
constexpr QPoint kLogoHome(8, 8);
constexpr int kLogoSide = 96;
constexpr int kScrollStepPx = 5;
constexpr int kScrollReentryGapPx = 2;
constexpr int kLogoFirstIntervalMs = 200;
constexpr int kLogoFollowIntervalMs = 50;
constexpr int kScrollIntervalMs = 50;

const QColor kYellow(255, 255, 0);

QLabel* makeLabel(QWidget* parent, const QRect& place, const QFont& font, const QColor& colour, Qt::Alignment align)
{
    auto* label = new QLabel(parent);
    label->setTextFormat(Qt::PlainText);
    label->setGeometry(place);
    label->setFont(font);
    label->setAlignment(align);
    label->setStyleSheet(QStringLiteral("color: %1; background: transparent;").arg(colour.name()));
    return label;
}

QFont fontOf(const QString& family, double points, bool bold = false)
{
    QFont font(family);
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

}  // namespace

FrmAbout::FrmAbout(QWidget* parent, std::function<QPoint()> pointerPosition)
    : QDialog(parent), m_pointerPosition(std::move(pointerPosition))
{
    if (!m_pointerPosition)
        m_pointerPosition = [] { return QCursor::pos(); };
    buildControls();
    Form_Load();

    m_Timer1 = new QTimer(this);
    m_Timer1->setInterval(kLogoFirstIntervalMs);
    connect(m_Timer1, &QTimer::timeout, this, &FrmAbout::Timer1_Timer);
    m_Timer1->start();
    m_tmrScroll = new QTimer(this);
    m_tmrScroll->setInterval(kScrollIntervalMs);
    connect(m_tmrScroll, &QTimer::timeout, this, &FrmAbout::tmrScroll_Timer);
    m_tmrScroll->start();
}

void FrmAbout::buildControls()
{
    setWindowTitle(QStringLiteral("About"));
    setFixedSize(kClientWidth, kClientHeight);
    QPalette colours = palette();
    colours.setColor(QPalette::Window, kYellow);
    setPalette(colours);
    setAutoFillBackground(true);

    m_imgLogo = new QLabel(this);
    m_imgLogo->setGeometry(QRect(kLogoHome, QSize(kLogoSide, kLogoSide)));
    m_imgLogo->setPixmap(QPixmap::fromImage(drawAboutLogo(kLogoSide)));
    m_imgLogo->installEventFilter(this);

    m_lblTit = makeLabel(this, QRect(96, 0, 217, 33), fontOf(QStringLiteral("Arial Black"), 18, true), Qt::red,
                         Qt::AlignCenter);
    m_lblVersion = makeLabel(this, QRect(104, 32, 209, 16), fontOf(QStringLiteral("Arial"), 9.75), QColor(0, 0, 255),
                             Qt::AlignCenter);

    m_picCont = new QWidget(this);
    m_picCont->setGeometry(104, 48, 217, 121);
    m_lblComments = makeLabel(m_picCont, QRect(8, 0, 198, 104), fontOf(QStringLiteral("Arial"), 10), Qt::black,
                              Qt::AlignHCenter | Qt::AlignTop);
    m_lblComments->setWordWrap(true);

    m_lblDisc = makeLabel(this, QRect(8, 104, 89, 89), fontOf(QStringLiteral("Arial"), 6.75), Qt::red,
                          Qt::AlignLeft | Qt::AlignTop);
    m_lblDisc->setWordWrap(true);
    m_lblDisc->setText(
        QStringLiteral("Use this product at your own risk. Do not blame me if anything goes wrong. "
                       "If you don't agree with this, then stop using this product."));
    m_lblCopyright = makeLabel(this, QRect(96, 176, 216, 13), fontOf(QStringLiteral("Arial"), 7, true),
                               QColor(80, 80, 255), Qt::AlignCenter);
    m_imgLogo->raise();
}

void FrmAbout::Form_Load()
{
    m_lblTit->setText(QStringLiteral("Vantor"));
    const int titleWidth = m_lblTit->fontMetrics().horizontalAdvance(m_lblTit->text());
    if (titleWidth > m_lblComments->width())
        m_lblTit->setGeometry(0, m_lblTit->y(), frameGeometry().width(), m_lblTit->height());

    const QStringList parts = QCoreApplication::applicationVersion().split(QLatin1Char('.'));
    const auto part = [&parts](int i) { return i < parts.size() ? parts[i].toInt() : 0; };
    m_lblVersion->setText(QString::fromStdString(versionText(part(0), part(1), part(2))));
    setDescription(QStringLiteral("A game to test how accurate you are with the mouse"));
    m_lblCopyright->setText(QStringLiteral("Copyright \u00A9 2026 Helmwick"));
}

void FrmAbout::setDescription(const QString& text)
{
    m_lblComments->setText(text);
    m_lblComments->move(m_lblComments->x(), 0);
}

void FrmAbout::tmrScroll_Timer()
{
    m_lblComments->resize(m_lblComments->width(), m_lblComments->heightForWidth(m_lblComments->width()));
    if (m_lblComments->height() <= m_picCont->height())
        return;
    int top = m_lblComments->y() - kScrollStepPx;
    if (top <= -m_lblComments->height())
        top = m_picCont->height() + kScrollReentryGapPx;
    m_lblComments->move(m_lblComments->x(), top);
}

void FrmAbout::Timer1_Timer()
{
    m_Timer1->setInterval(kLogoFollowIntervalMs);
    // Measured from the window's outer corner, as the window places it.
    const QPoint pointer = m_pointerPosition() - frameGeometry().topLeft();
    if (m_LogoDrag)
        m_imgLogo->move(pointer.x() - m_imgLogo->width() / 2, pointer.y() - m_imgLogo->height() / 2);
    else
        m_imgLogo->move(kLogoHome);
}

bool FrmAbout::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_imgLogo && event->type() == QEvent::MouseButtonPress) {
        const auto* press = static_cast<QMouseEvent*>(event);
        if (press->button() == Qt::LeftButton && press->modifiers() == Qt::ControlModifier)
            m_LogoDrag = true;
        return true;
    }
    if (watched == m_imgLogo && event->type() == QEvent::MouseButtonRelease) {
        m_LogoDrag = false;
        m_Timer1->setInterval(kLogoFirstIntervalMs);
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

void FrmAbout::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    // A band of warm colour along the bottom and a short line beside the logo.
    painter.fillRect(0, kClientHeight - 10, kClientWidth, 10, QColor(230, 120, 0));
    painter.fillRect(0, kClientHeight - 12, kClientWidth, 2, QColor(200, 40, 0));
    painter.setPen(QPen(QColor(200, 40, 0), 2));
    painter.drawLine(100, 8, 100, 96);
}
