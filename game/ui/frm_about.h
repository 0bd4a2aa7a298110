#pragma once

#include <QDialog>
#include <functional>

class QLabel;
class QTimer;

// The About window: title, version, a description that scrolls when it does not fit, a disclaimer, the
// legal notice, and a logo that follows the pointer while Ctrl and the left button are held on it.
class FrmAbout : public QDialog {
    Q_OBJECT
public:
    // `pointerPosition` gives the pointer's screen position; tests pass their own.
    explicit FrmAbout(QWidget* parent = nullptr, std::function<QPoint()> pointerPosition = {});

    void setDescription(const QString& text);

    // The two timers' ticks, run by the timers and callable by tests.
    void tmrScroll_Timer();
    void Timer1_Timer();

    QLabel* logo() const { return m_imgLogo; }
    QLabel* title() const { return m_lblTit; }
    QLabel* version() const { return m_lblVersion; }
    QLabel* description() const { return m_lblComments; }
    QWidget* descriptionBox() const { return m_picCont; }
    QTimer* logoTimer() const { return m_Timer1; }
    bool isDraggingLogo() const { return m_LogoDrag; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void buildControls();
    void Form_Load();

    std::function<QPoint()> m_pointerPosition;
    QLabel* m_imgLogo;
    QLabel* m_lblTit;
    QLabel* m_lblVersion;
    QWidget* m_picCont;
    QLabel* m_lblComments;
    QLabel* m_lblDisc;
    QLabel* m_lblCopyright;
    QTimer* m_Timer1;
    QTimer* m_tmrScroll;
    bool m_LogoDrag = false;
};
