#include "template_layout.h"

#include <QAbstractButton>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <algorithm>
#include <vector>

#include "group_frame.h"

namespace {

// The property that keeps a control's template rectangle in dialog units.
constexpr char TemplateRectProperty[] = "mezuraTemplateRect";

struct Placed {
    QWidget* control;
    QRect before;  // as the template placed it
    int left;      // where it ends up
    int width;
    QRect grid;  // the template's rectangle in dialog units; null when unknown
};

Placed PlacedAsIs(QWidget* control) {
    return {control, control->geometry(), control->x(), control->width(),
            control->property(TemplateRectProperty).toRect()};
}

// Whether the template put two controls' left (right) edges at one place:
// the same dialog unit. Each control's x and width are rounded to pixels on
// their own, so its right edge may land a pixel off the other's; controls
// placed off the grid compare their pixels.
bool SameLeft(const Placed& a, const Placed& b) {
    if (a.grid.isNull() || b.grid.isNull()) return a.before.left() == b.before.left();
    return a.grid.x() == b.grid.x();
}

bool SameRight(const Placed& a, const Placed& b) {
    if (a.grid.isNull() || b.grid.isNull()) return a.before.right() == b.before.right();
    return a.grid.x() + a.grid.width() == b.grid.x() + b.grid.width();
}

bool SameLine(const QRect& a, const QRect& b) {
    return a.top() <= b.bottom() && b.top() <= a.bottom();
}

// A control that surrounds others (a group frame) widens around them
// rather than moving them along.
bool Surrounds(const QRect& frame, const std::vector<Placed>& all) {
    return std::any_of(all.begin(), all.end(), [&](const Placed& other) {
        return other.before != frame && frame.contains(other.before);
    });
}

}  // namespace

void PlaceAtTemplate(QWidget& control, const char* name, const DialogUnits& units,
                     const QRect& dialogUnits) {
    control.setObjectName(QLatin1String(name));
    control.setGeometry(
        units.Rect(dialogUnits.x(), dialogUnits.y(), dialogUnits.width(), dialogUnits.height()));
    control.setProperty(TemplateRectProperty, dialogUnits);
}

int CaptionWidth(const QWidget& control) {
    if (const auto* label = qobject_cast<const QLabel*>(&control)) {
        if (label->wordWrap() || label->text().isEmpty()) return 0;
        return label->fontMetrics().horizontalAdvance(label->text());
    }
    if (const auto* frame = qobject_cast<const GroupFrame*>(&control)) {
        // The title sits one average character in from each end of the line.
        const QFontMetrics metrics = frame->fontMetrics();
        return metrics.horizontalAdvance(frame->Title()) + 2 * metrics.averageCharWidth();
    }
    if (const auto* button = qobject_cast<const QPushButton*>(&control)) {
        // The text, the bevel's frame and half its margin on both sides. (The
        // style's size hint asks for the whole margin and a minimum width,
        // which the template's small buttons do not have.)
        const QStyle* style = button->style();
        const int edges = style->pixelMetric(QStyle::PM_ButtonMargin, nullptr, button) / 2 +
                          style->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, button);
        return button->fontMetrics().horizontalAdvance(QString(button->text()).remove(u'&')) +
               2 * edges;
    }
    // A check box or radio button: also its indicator and the spacing after
    // it, which only its size hint knows.
    if (qobject_cast<const QAbstractButton*>(&control) != nullptr)
        return control.sizeHint().width();
    return 0;
}

int FitTexts(QWidget& surface) {
    std::vector<Placed> controls;
    std::vector<Placed> frames;
    std::vector<Placed> all;
    for (QWidget* child : surface.findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (child->isWindow() || child->isHidden() || child->geometry().isEmpty()) continue;
        all.push_back(PlacedAsIs(child));
    }
    for (const Placed& placed : all)
        (Surrounds(placed.before, all) ? frames : controls).push_back(placed);

    // Each control after those before it on its line, keeping the gap. Two
    // controls that started and ended together (a column of check boxes, or
    // of buttons) still do: the narrower one widens to the wider, so a column
    // keeps its left edge. Two that only ended together (buttons of different
    // widths on the right) still end together: the other one moves. Repeated
    // until nothing changes: a column mate may be pushed by a line further
    // down.
    for (Placed& placed : controls)
        placed.width = std::max(placed.before.width(), CaptionWidth(*placed.control));
    // Each pass can only move controls right or widen them; as many passes
    // as there are controls settle any chain of them.
    bool changed = true;
    for (std::size_t pass = 0; changed && pass <= controls.size(); ++pass) {
        changed = false;
        for (Placed& placed : controls) {
            int left = placed.left;
            int width = placed.width;
            const auto* label = qobject_cast<const QLabel*>(placed.control);
            const QWidget* buddy = label != nullptr ? label->buddy() : nullptr;
            for (const Placed& other : controls) {
                const int gap = placed.before.left() - (other.before.right() + 1);
                if (gap >= 0 && SameLine(other.before, placed.before))
                    left = std::max(left, other.left + other.width + gap);
                // A caption stays beside the control it names when that moves.
                const int gapAfter = other.before.left() - (placed.before.right() + 1);
                if (other.control == buddy && gapAfter >= 0 &&
                    SameLine(other.before, placed.before))
                    left = std::max(left, other.left - gapAfter - width);
                if (&other == &placed || !SameRight(placed, other)) continue;
                // Where this one's right edge goes: the other one's, with the
                // pixel rounding may have put between them.
                const int end =
                    other.left + other.width + placed.before.right() - other.before.right();
                if (SameLeft(placed, other)) {
                    left = std::max(left, other.left + placed.before.left() - other.before.left());
                    width = std::max(width, end - left);
                } else {
                    left = std::max(left, end - width);
                }
            }
            changed = changed || left != placed.left || width != placed.width;
            placed.left = left;
            placed.width = width;
        }
    }

    // Frames from the innermost out, each keeping its smallest margin on the
    // right (up to a character's width), and as wide as its title needs.
    std::sort(frames.begin(), frames.end(), [](const Placed& a, const Placed& b) {
        return a.before.width() * a.before.height() < b.before.width() * b.before.height();
    });
    for (std::size_t i = 0; i < frames.size(); ++i) {
        Placed& frame = frames[i];
        // At most an average character: a control that grows into empty room
        // needs no wider frame.
        int margin = frame.control->fontMetrics().averageCharWidth();
        int right = 0;  // of what it surrounds, where it ends up
        auto take = [&](const Placed& inside) {
            if (inside.before == frame.before || !frame.before.contains(inside.before)) return;
            margin = std::min(margin, frame.before.right() - inside.before.right());
            right = std::max(right, inside.left + inside.width - 1);
        };
        for (const Placed& inside : controls) take(inside);
        for (std::size_t j = 0; j < i; ++j) take(frames[j]);
        frame.width = std::max(
            {frame.before.width(), right + margin - frame.left + 1, CaptionWidth(*frame.control)});
    }
    for (Placed& frame : frames) {
        for (const Placed& other : frames) {
            if (SameRight(frame, other))
                frame.width =
                    std::max(frame.width, other.left + other.width + frame.before.right() -
                                              other.before.right() - frame.left);
        }
    }

    int rightBefore = 0;
    int rightAfter = 0;
    for (const std::vector<Placed>* group : {&controls, &frames}) {
        for (const Placed& placed : *group) {
            rightBefore = std::max(rightBefore, placed.before.right());
            rightAfter = std::max(rightAfter, placed.left + placed.width - 1);
            if (placed.left != placed.before.left() || placed.width != placed.before.width())
                placed.control->setGeometry(placed.left, placed.before.top(), placed.width,
                                            placed.before.height());
        }
    }
    return std::max(0, rightAfter - rightBefore);
}

void WidenAt(QWidget& surface, int x, int pixels) {
    if (pixels <= 0) return;
    for (QWidget* child : surface.findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (child->isWindow()) continue;
        const QRect place = child->geometry();
        // A caption ("Set decimal precision") goes where the field it names
        // goes, whichever side of x it stands on.
        const auto* label = qobject_cast<const QLabel*>(child);
        const QWidget* buddy = label != nullptr ? label->buddy() : nullptr;
        const bool buddyMoves =
            buddy != nullptr && buddy->parentWidget() == &surface && buddy->x() >= x;
        if (place.left() >= x || buddyMoves)
            child->move(place.left() + pixels, place.top());
        else if (place.right() >= x)
            child->resize(place.width() + pixels, place.height());
    }
}
