#pragma once

#include <QLabel>

class Surface;

// A picture shown stretched to the label's box, that reports a click.
class PictureThumbnail : public QLabel {
    Q_OBJECT
public:
    explicit PictureThumbnail(QWidget* parent = nullptr);
    void showPicture(const Surface& picture);

signals:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
};
