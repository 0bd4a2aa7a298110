#include "theme_preview_pane.h"

#include <QLabel>
#include <QLocale>
#include <QPixmap>
#include <QVBoxLayout>

#include "preview_loader.h"
#include "qt_prompts.h"
#include "theme_preview.h"

namespace {

QLabel* plainLabel(QWidget* parent)
{
    auto* label = new QLabel(parent);
    // Everything shown comes from theme and score files: shown as it stands, never as markup.
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(true);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    return label;
}

QString detailsText(const ThemePreview& preview)
{
    if (!preview.hasDetails || (preview.description.empty() && preview.dateLine.empty()))
        return QStringLiteral("No details found");
    QString text = displayText(preview.description) + QLatin1Char('\n') + displayText(preview.dateLine);
    if (preview.detailsCutShort)
        text += QStringLiteral(
            "\nThe details file of this theme is damaged: it ends inside a quoted text, so some "
            "of it may be missing.");
    return text;
}

QString bestTimeText(const ThemeSummary& summary)
{
    if (!summary.best)
        return QStringLiteral("Best time: no scores yet");
    return QStringLiteral("Best time: %1 seconds, by %2")
        .arg(shownTime(summary.best->time), QString::fromStdString(summary.best->name));
}

}  // namespace

QString shownTime(const std::string& storedTime)
{
    QString text = QString::fromStdString(storedTime);
    text.replace(QLatin1Char('.'), QLocale::system().decimalPoint());
    return text;
}

ThemePreviewPane::ThemePreviewPane(QWidget* parent) : QWidget(parent)
{
    m_picture = new QLabel(this);
    m_picture->setFixedSize(kPreviewPictureWidth, kPreviewPictureHeight);
    m_picture->setAlignment(Qt::AlignCenter);
    m_picture->setBackgroundRole(QPalette::Dark);
    m_picture->setAutoFillBackground(true);
    m_name = plainLabel(this);
    QFont bold = m_name->font();
    bold.setBold(true);
    m_name->setFont(bold);
    m_details = plainLabel(this);
    m_objects = plainLabel(this);
    m_bestTime = plainLabel(this);
    m_damage = plainLabel(this);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    for (QLabel* label : {m_picture, m_name, m_details, m_objects, m_bestTime, m_damage})
        layout->addWidget(label);
    layout->addStretch();
    setFixedWidth(kPreviewPictureWidth);
    showNothing();
}

void ThemePreviewPane::showTheme(const QString& name, const ThemeSummary* summary)
{
    m_name->setText(name);
    m_name->show();
    const bool damaged = summary && summary->preview.damage;
    const bool loadable = summary && !damaged;
    m_details->setVisible(loadable);
    m_objects->setVisible(loadable);
    m_bestTime->setVisible(loadable);
    m_damage->setVisible(!loadable);
    if (!summary) {
        m_damage->setText(QStringLiteral("Looking at the theme..."));
        return;
    }
    if (damaged) {
        m_damage->setText(QStringLiteral("This theme is damaged and can not be loaded:\n") +
                          QString::fromStdString(*summary->preview.damage));
        return;
    }
    m_details->setText(detailsText(summary->preview));
    m_objects->setText(QStringLiteral("Objects: %1").arg(summary->preview.objectCount));
    m_bestTime->setText(bestTimeText(*summary));
}

void ThemePreviewPane::showPicture(const QImage& picture)
{
    m_picture->setPixmap(picture.isNull() ? QPixmap() : QPixmap::fromImage(picture));
}

void ThemePreviewPane::showNothing()
{
    showPicture(QImage());
    for (QLabel* label : {m_name, m_details, m_objects, m_bestTime, m_damage})
        label->hide();
}
