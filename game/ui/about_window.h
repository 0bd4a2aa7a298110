#pragma once

#include <QDialog>
#include <functional>

class QLabel;
class QTimer;
class TextFitLayout;

// The About window: title, version, a description that scrolls when it does not fit, a disclaimer, the
// legal notice, and a logo that follows the pointer while Ctrl and the left button are held on it.
class AboutWindow : public QDialog {
    Q_OBJECT
public:
    // `pointerPosition` gives the pointer's screen position; tests pass their own.
    explicit AboutWindow(QWidget* parent = nullptr, std::function<QPoint()> pointerPosition = {});

    void setDescription(const QString& text);

    // The two timers' ticks, run by the timers and callable by tests.
    void scrollDescription();
    void moveLogo();

    QLabel* logo() const { return m_logo; }
    QLabel* title() const { return m_title; }
    QLabel* version() const { return m_version; }
    QLabel* description() const { return m_description; }
    QWidget* descriptionBox() const { return m_descriptionBox; }
    QTimer* logoTimer() const { return m_logoTimer; }
    bool isDraggingLogo() const { return m_draggingLogo; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void buildControls();
    void showTexts();

    std::function<QPoint()> m_pointerPosition;
    TextFitLayout* m_layout;
    QLabel* m_logo;
    QLabel* m_title;
    QLabel* m_version;
    QWidget* m_descriptionBox;
    QLabel* m_description;
    QLabel* m_disclaimer;
    QLabel* m_copyright;
    QTimer* m_logoTimer;
    QTimer* m_scrollTimer;
    bool m_draggingLogo = false;
};
