#include "frm_save.h"

#include <QDate>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPlainTextEdit>
#include <QPushButton>

#include "editor_layout.h"
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

int lengthWithCrLf(const QString& text)
{
    return static_cast<int>(text.size() + text.count(QLatin1Char('\n')));
}

}  // namespace

FrmSave::FrmSave(Prompts& prompts, const QString& today, QWidget* parent) : QDialog(parent), m_prompts(prompts)
{
    setWindowTitle(QStringLiteral("About Theme"));
    if (parent)
        setWindowIcon(parent->windowIcon());
    setFixedSize(twipsToPixels(4680, kUsualTwipsPerPixel), twipsToPixels(2415, kUsualTwipsPerPixel));

    m_Label1 = new QLabel(QStringLiteral("Theme name:"), this);
    m_Label1->setGeometry(pixelRect(120, 120, 975, 195));
    m_Text3 = new QLineEdit(QStringLiteral("My theme"), this);
    m_Text3->setGeometry(pixelRect(1200, 120, 1935, 285));
    m_Text1 = new QPlainTextEdit(QStringLiteral("This theme was created by YOUR_NAME\n"), this);
    m_Text1->setGeometry(pixelRect(120, 600, 3015, 1095));
    m_Text1->setTabChangesFocus(true);
    m_Text2 = new QLineEdit(QStringLiteral("On the ") + today, this);
    m_Text2->setGeometry(pixelRect(120, 1800, 3015, 375));
    m_OKButton = new QPushButton(QStringLiteral("OK"), this);
    m_OKButton->setGeometry(pixelRect(3240, 120, 1215, 375));
    m_OKButton->setDefault(true);
    m_CancelButton = new QPushButton(QStringLiteral("Cancel"), this);
    m_CancelButton->setGeometry(pixelRect(3240, 600, 1215, 375));

    setTabOrder(m_Text1, m_OKButton);
    setTabOrder(m_OKButton, m_Text2);
    setTabOrder(m_Text2, m_CancelButton);
    setTabOrder(m_CancelButton, m_Text3);
    m_Text1->setFocus();
    m_Text1->moveCursor(QTextCursor::End);

    connect(m_OKButton, &QPushButton::clicked, this, &FrmSave::OKButton_Click);
    connect(m_CancelButton, &QPushButton::clicked, this, &QDialog::reject);
    connect(m_Text1, &QPlainTextEdit::textChanged, this, &FrmSave::Text1_Change);
}

ThemeDescription FrmSave::entries() const
{
    return {m_Text3->text().toStdString(), withCrLf(m_Text1->toPlainText()), m_Text2->text().toStdString()};
}

void FrmSave::OKButton_Click()
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
void FrmSave::Text1_Change()
{
    const int excess = lengthWithCrLf(m_Text1->toPlainText()) - kMaxDescriptionLength;
    if (excess <= 0)
        return;
    QTextCursor cursor = m_Text1->textCursor();
    const int end = cursor.position();
    int start = end;
    for (int counted = 0; counted < excess && start > 0; --start)
        counted += m_Text1->document()->characterAt(start - 1) == QChar::ParagraphSeparator ? 2 : 1;
    cursor.setPosition(start);
    cursor.setPosition(end, QTextCursor::KeepAnchor);
    cursor.removeSelectedText();
}

std::optional<ThemeDescription> showFrmSave(QWidget* parent, Prompts& prompts)
{
    FrmSave dialog(prompts, QLocale::system().toString(QDate::currentDate(), QLocale::ShortFormat), parent);
    dialog.exec();
    return dialog.result();
}
