#include "about_window.h"

#include <QCoreApplication>
#include <QCursor>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QTimer>

#include "game_pictures.h"
#include "text_fit_layout.h"
#include "version_text.h"

namespace {

// The window's design, in pixels. The title, the version and the description's box end at the window's right
// edge, where the design has them reach a pixel or more past it, out of sight.
constexpr int kClientWidth = 312;
constexpr int kClientHeight = 213;
constexpr QPoint kLogoHome(8, 8);
constexpr int kLogoSide = 96;
constexpr QRect kTitlePlace(96, 0, 216, 33);
constexpr int kScrollStepPx = 5;
constexpr int kScrollReentryGapPx = 2;
constexpr int kLogoFirstIntervalMs = 200;
constexpr int kLogoFollowIntervalMs = 50;
constexpr int kScrollIntervalMs = 50;

const QColor kYellow(255, 255, 0);

QLabel* makeLabel(QWidget* parent, const QFont& font, const QColor& colour, Qt::Alignment align)
{
    auto* label = new QLabel(parent);
    label->setTextFormat(Qt::PlainText);
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

AboutWindow::AboutWindow(QWidget* parent, std::function<QPoint()> pointerPosition)
    : QDialog(parent), m_pointerPosition(std::move(pointerPosition))
{
    if (!m_pointerPosition)
        m_pointerPosition = [] { return QCursor::pos(); };
    buildControls();
    showTexts();

    m_logoTimer = new QTimer(this);
    m_logoTimer->setInterval(kLogoFirstIntervalMs);
    connect(m_logoTimer, &QTimer::timeout, this, &AboutWindow::moveLogo);
    m_logoTimer->start();
    m_scrollTimer = new QTimer(this);
    m_scrollTimer->setInterval(kScrollIntervalMs);
    connect(m_scrollTimer, &QTimer::timeout, this, &AboutWindow::scrollDescription);
    m_scrollTimer->start();
}

void AboutWindow::buildControls()
{
    setWindowTitle(QStringLiteral("About"));
    m_layout = new TextFitLayout(this, QSize(kClientWidth, kClientHeight));
    QPalette colours = palette();
    colours.setColor(QPalette::Window, kYellow);
    setPalette(colours);
    setAutoFillBackground(true);

    m_logo = new QLabel(this);
    m_logo->setGeometry(QRect(kLogoHome, QSize(kLogoSide, kLogoSide)));
    m_logo->setPixmap(QPixmap::fromImage(drawAboutLogo(kLogoSide)));
    m_logo->installEventFilter(this);

    m_title = makeLabel(this, fontOf(QStringLiteral("Arial Black"), 18, true), Qt::red, Qt::AlignCenter);
    m_layout->place(m_title, kTitlePlace);
    m_version = makeLabel(this, fontOf(QStringLiteral("Arial"), 9.75), QColor(0, 0, 255), Qt::AlignCenter);
    m_layout->place(m_version, QRect(104, 32, 208, 16));

    // The description scrolls inside its box, which keeps its size whatever the text.
    m_descriptionBox = new QWidget(this);
    m_layout->place(m_descriptionBox, QRect(104, 48, 208, 121));
    m_description =
        makeLabel(m_descriptionBox, fontOf(QStringLiteral("Arial"), 10), Qt::black, Qt::AlignHCenter | Qt::AlignTop);
    m_description->setGeometry(8, 0, 198, 104);
    m_description->setWordWrap(true);

    m_disclaimer = makeLabel(this, fontOf(QStringLiteral("Arial"), 6.75), Qt::red, Qt::AlignLeft | Qt::AlignTop);
    m_disclaimer->setWordWrap(true);
    m_disclaimer->setText(
        QStringLiteral("Use this product at your own risk. Do not blame me if anything goes wrong. "
                       "If you don't agree with this, then stop using this product."));
    m_layout->place(m_disclaimer, QRect(8, 104, 89, 89));
    m_copyright = makeLabel(this, fontOf(QStringLiteral("Arial"), 7, true), QColor(80, 80, 255), Qt::AlignCenter);
    m_layout->place(m_copyright, QRect(96, 176, 216, 13));
    m_logo->raise();
}

void AboutWindow::showTexts()
{
    m_title->setText(QStringLiteral("Vantor"));
    const QStringList parts = QCoreApplication::applicationVersion().split(QLatin1Char('.'));
    const auto part = [&parts](int i) { return i < parts.size() ? parts[i].toInt() : 0; };
    m_version->setText(QString::fromStdString(versionText(part(0), part(1), part(2))));
    setDescription(QStringLiteral("A game to test how accurate you are with the mouse"));
    m_copyright->setText(QStringLiteral("Copyright \u00A9 2026 Helmwick"));
    m_layout->activate();

    // The window is now as wide as its texts need; a title wider than the description spans it.
    const int titleWidth = m_title->fontMetrics().horizontalAdvance(m_title->text());
    if (titleWidth > m_description->width()) {
        m_layout->place(m_title, QRect(0, kTitlePlace.y(), frameGeometry().width(), kTitlePlace.height()));
        m_layout->activate();
    }
}

void AboutWindow::setDescription(const QString& text)
{
    m_description->setText(text);
    m_description->move(m_description->x(), 0);
}

void AboutWindow::scrollDescription()
{
    m_description->resize(m_description->width(), m_description->heightForWidth(m_description->width()));
    if (m_description->height() <= m_descriptionBox->height())
        return;
    int top = m_description->y() - kScrollStepPx;
    if (top <= -m_description->height())
        top = m_descriptionBox->height() + kScrollReentryGapPx;
    m_description->move(m_description->x(), top);
}

void AboutWindow::moveLogo()
{
    m_logoTimer->setInterval(kLogoFollowIntervalMs);
    // Measured from the window's outer corner, as the window places it.
    const QPoint pointer = m_pointerPosition() - frameGeometry().topLeft();
    if (m_draggingLogo)
        m_logo->move(pointer.x() - m_logo->width() / 2, pointer.y() - m_logo->height() / 2);
    else
        m_logo->move(kLogoHome);
}

bool AboutWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_logo && event->type() == QEvent::MouseButtonPress) {
        const auto* press = static_cast<QMouseEvent*>(event);
        if (press->button() == Qt::LeftButton && press->modifiers() == Qt::ControlModifier)
            m_draggingLogo = true;
        return true;
    }
    if (watched == m_logo && event->type() == QEvent::MouseButtonRelease) {
        m_draggingLogo = false;
        m_logoTimer->setInterval(kLogoFirstIntervalMs);
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

void AboutWindow::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    // A band of warm colour along the bottom and a short line beside the logo.
    painter.fillRect(0, height() - 10, width(), 10, QColor(230, 120, 0));
    painter.fillRect(0, height() - 12, width(), 2, QColor(200, 40, 0));
    painter.setPen(QPen(QColor(200, 40, 0), 2));
    painter.drawLine(100, 8, 100, 96);
}
