#pragma once

#include <QLabel>

// A picture that acts as a button and tells which mouse button clicked it (1 left, 2 right, 4 middle).
class ImageButton : public QLabel {
    Q_OBJECT
public:
    ImageButton(const QImage& picture, const QString& tip, QWidget* parent);

signals:
    void clicked(int button);

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
};
