#include "theme_description_dialog.h"

#include <QDate>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPlainTextEdit>
#include <QPushButton>

#include "editor_layout.h"
#include "text_fit_layout.h"
#include "theme_description_rules.h"

namespace {

QRect pixelRect(int left, int top, int width, int height)
{
    return QRect(twipsToPixels(left, kUsualTwipsPerPixel), twipsToPixels(top, kUsualTwipsPerPixel),
                 twipsToPixels(width, kUsualTwipsPerPixel), twipsToPixels(height, kUsualTwipsPerPixel));
}

// The records of the theme files end their lines in CR LF; a Qt text box uses line feeds alone.
std::string withCrLf(const QString& text)
{
    QString crlf = text;
    crlf.replace(QLatin1Char('\n'), QLatin1String("\r\n"));
    return crlf.toStdString();
}

QString withLineFeeds(const std::string& text)
{
    QString shown = QString::fromStdString(text);
    shown.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    return shown;
}

int lengthWithCrLf(const QString& text)
{
    return static_cast<int>(text.size() + text.count(QLatin1Char('\n')));
}

}  // namespace

ThemeDescriptionDialog::ThemeDescriptionDialog(Prompts& prompts, const QString& today,
                                               const std::optional<ThemeDescription>& offered, QWidget* parent)
    : QDialog(parent), m_prompts(prompts)
{
    setWindowTitle(QStringLiteral("About Theme"));
    if (parent)
        setWindowIcon(parent->windowIcon());
    auto* layout = new TextFitLayout(
        this, QSize(twipsToPixels(4680, kUsualTwipsPerPixel), twipsToPixels(2415, kUsualTwipsPerPixel)));

    m_nameCaption = new QLabel(QStringLiteral("Theme name:"), this);
    layout->place(m_nameCaption, pixelRect(120, 120, 975, 195));
    m_nameEdit = new QLineEdit(QString::fromStdString(kInitialThemeName), this);
    layout->place(m_nameEdit, pixelRect(1200, 120, 1935, 285));
    m_descriptionEdit = new QPlainTextEdit(QStringLiteral("This theme was created by YOUR_NAME\n"), this);
    layout->place(m_descriptionEdit, pixelRect(120, 600, 3015, 1095));
    m_descriptionEdit->setTabChangesFocus(true);
    m_dateLineEdit = new QLineEdit(QStringLiteral("On the ") + today, this);
    layout->place(m_dateLineEdit, pixelRect(120, 1800, 3015, 375));
    m_okButton = new QPushButton(QStringLiteral("OK"), this);
    layout->place(m_okButton, pixelRect(3240, 120, 1215, 375));
    m_okButton->setDefault(true);
    m_cancelButton = new QPushButton(QStringLiteral("Cancel"), this);
    layout->place(m_cancelButton, pixelRect(3240, 600, 1215, 375));
    if (offered) {
        m_nameEdit->setText(QString::fromStdString(offered->name));
        m_descriptionEdit->setPlainText(withLineFeeds(offered->description));
        if (!offered->dateLine.empty())
            m_dateLineEdit->setText(QString::fromStdString(offered->dateLine));
    }

    setTabOrder(m_descriptionEdit, m_okButton);
    setTabOrder(m_okButton, m_dateLineEdit);
    setTabOrder(m_dateLineEdit, m_cancelButton);
    setTabOrder(m_cancelButton, m_nameEdit);
    m_descriptionEdit->setFocus();
    m_descriptionEdit->moveCursor(QTextCursor::End);
    // A theme made elsewhere may bring a longer description than the box accepts.
    limitDescriptionLength();

    connect(m_okButton, &QPushButton::clicked, this, &ThemeDescriptionDialog::acceptEntries);
    connect(m_cancelButton, &QPushButton::clicked, this, &QDialog::reject);
    connect(m_descriptionEdit, &QPlainTextEdit::textChanged, this, &ThemeDescriptionDialog::limitDescriptionLength);
}

ThemeDescription ThemeDescriptionDialog::entries() const
{
    return {m_nameEdit->text().toStdString(), withCrLf(m_descriptionEdit->toPlainText()),
            m_dateLineEdit->text().toStdString()};
}

void ThemeDescriptionDialog::acceptEntries()
{
    const ThemeDescription entered = entries();
    if (const std::optional<std::string> problem = themeDescriptionProblem(entered)) {
        m_prompts.message("About Theme", *problem, MessageIcon::Exclamation);
        return;
    }
    m_result = entered;
    accept();
}

// What goes beyond the limit is cut where it was typed or pasted, just before the cursor.
void ThemeDescriptionDialog::limitDescriptionLength()
{
    const int excess = lengthWithCrLf(m_descriptionEdit->toPlainText()) - kMaxDescriptionLength;
    if (excess <= 0)
        return;
    QTextCursor cursor = m_descriptionEdit->textCursor();
    const int end = cursor.position();
    int start = end;
    for (int counted = 0; counted < excess && start > 0; --start)
        counted += m_descriptionEdit->document()->characterAt(start - 1) == QChar::ParagraphSeparator ? 2 : 1;
    cursor.setPosition(start);
    cursor.setPosition(end, QTextCursor::KeepAnchor);
    cursor.removeSelectedText();
}

std::optional<ThemeDescription> showThemeDescriptionDialog(QWidget* parent, Prompts& prompts,
                                                           const std::optional<ThemeDescription>& offered)
{
    ThemeDescriptionDialog dialog(prompts, QLocale::system().toString(QDate::currentDate(), QLocale::ShortFormat),
                                  offered, parent);
    dialog.exec();
    return dialog.result();
}
