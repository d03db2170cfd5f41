#pragma once
// A group box drawn the way our templates were laid out for: the frame's top
// line runs through the middle of the title, and the title starts one
// average character in from the left edge. (QGroupBox in most styles puts
// the title above the frame, which pushes the line down onto the captions
// the templates place just under it.)
//
//   +- Select Units --------------+     the title's text, trailing blank
//   |                             |     included, on the window's background
//   +-----------------------------+
#include <QString>
#include <QWidget>

class GroupFrame : public QWidget {
    Q_OBJECT
public:
    explicit GroupFrame(const QString& title, QWidget* parent = nullptr);

    QString Title() const { return title_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString title_;
};
