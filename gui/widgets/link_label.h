#pragma once

#include <QLabel>

// A label that acts as a web link: it reports a click of the left button
// (pressed and released over it). The forms give it the pointing-hand cursor.
class LinkLabel : public QLabel {
    Q_OBJECT

public:
    explicit LinkLabel(QWidget* parent = nullptr);

signals:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    bool pressed_ = false;
};
