#include "group_frame.h"

#include <QPainter>

GroupFrame::GroupFrame(const QString& title, QWidget* parent) : QWidget(parent), title_(title) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void GroupFrame::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QFontMetrics metrics = fontMetrics();
    const int lineY = metrics.height() / 2;

    // An etched line, as the 3-D look draws it: a dark rectangle with a
    // light one a pixel to the lower right. (Styles' own group frames
    // reserve room for a title above the line, so we draw it ourselves.)
    const QRect frame = rect().adjusted(0, lineY, -2, -2);
    painter.setPen(palette().color(QPalette::Light));
    painter.drawRect(frame.translated(1, 1));
    painter.setPen(palette().color(QPalette::Mid));
    painter.drawRect(frame);

    if (title_.isEmpty()) return;
    const int indent = metrics.averageCharWidth();
    const QRect titleRect(indent, 0, metrics.horizontalAdvance(title_), metrics.height());
    painter.fillRect(titleRect, palette().window());
    painter.setPen(palette().color(QPalette::WindowText));
    painter.drawText(titleRect, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, title_);
}
