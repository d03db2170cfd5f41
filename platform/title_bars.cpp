#include "title_bars.h"

#include <QEvent>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLayout>
#include <QMouseEvent>
#include <QPainter>
#include <QStyle>
#include <QToolButton>
#include <QVBoxLayout>
#include <QWindow>
#include <algorithm>
#include <cstring>

#if MEZURA_WAYLAND_CLIENT
#include <wayland-client.h>
#endif

namespace {

#if MEZURA_WAYLAND_CLIENT
// Whether the compositor at WAYLAND_DISPLAY lists the xdg-decoration
// manager among its globals.
bool CompositorOffersDecorations() {
    wl_display* display = wl_display_connect(nullptr);
    if (display == nullptr) return true;  // nothing to ask: leave it to Qt
    bool offered = false;
    static const wl_registry_listener listener = {
        [](void* data, wl_registry*, uint32_t, const char* interface, uint32_t) {
            if (std::strcmp(interface, "zxdg_decoration_manager_v1") == 0)
                *static_cast<bool*>(data) = true;
        },
        [](void*, wl_registry*, uint32_t) {},
    };
    wl_registry* registry = wl_display_get_registry(display);
    wl_registry_add_listener(registry, &listener, &offered);
    wl_display_roundtrip(display);
    wl_registry_destroy(registry);
    wl_display_disconnect(display);
    return offered;
}
#else
bool CompositorOffersDecorations() { return true; }
#endif

}  // namespace

bool WindowSystemDrawsTitleBars() {
    static const bool drawn =
        !QGuiApplication::platformName().startsWith(u"wayland") || CompositorOffersDecorations();
    return drawn;
}

TitleStrip::TitleStrip(QWidget& window) : window_(window) {
    setObjectName(QStringLiteral("titleStrip"));
    setAutoFillBackground(true);
    auto* row = new QHBoxLayout(this);
    const int margin = fontMetrics().height() / 4;
    row->setContentsMargins(margin, margin, margin, margin);
    row->addStretch();
    auto button = [&](QStyle::StandardPixmap picture, const char* name, const QString& text) {
        auto* tool = new QToolButton(this);
        tool->setObjectName(QLatin1String(name));
        tool->setIcon(style()->standardIcon(picture, nullptr, this));
        tool->setIconSize(QSize(fontMetrics().height(), fontMetrics().height()));
        tool->setAutoRaise(true);
        tool->setFocusPolicy(Qt::NoFocus);  // the window's tab order stays its own
        tool->setToolTip(text);
        tool->setAccessibleName(text);
        row->addWidget(tool);
        return tool;
    };
    if (window.windowFlags().testFlag(Qt::WindowMinimizeButtonHint)) {
        minimize_ = button(QStyle::SP_TitleBarMinButton, "minimizeButton", tr("Minimize"));
        connect(minimize_, &QToolButton::clicked, &window, &QWidget::showMinimized);
    }
    close_ = button(QStyle::SP_TitleBarCloseButton, "closeButton", tr("Close"));
    // As the window system's close box: the window's own closeEvent decides.
    connect(close_, &QToolButton::clicked, &window, &QWidget::close);
    window.installEventFilter(this);
}

QSize TitleStrip::sizeHint() const {
    const QSize buttons = layout()->sizeHint();
    return {buttons.width() + fontMetrics().horizontalAdvance(window_.windowTitle()) +
                2 * fontMetrics().height(),
            std::max(buttons.height(), 2 * fontMetrics().height())};
}

bool TitleStrip::eventFilter(QObject* watched, QEvent* event) {
    if (watched == &window_ &&
        (event->type() == QEvent::WindowTitleChange || event->type() == QEvent::WindowIconChange ||
         event->type() == QEvent::ActivationChange))
        update();
    return QWidget::eventFilter(watched, event);
}

void TitleStrip::mousePressEvent(QMouseEvent* event) {
    // The compositor moves the window: a Wayland client cannot place itself.
    if (event->button() == Qt::LeftButton && window_.windowHandle() != nullptr)
        window_.windowHandle()->startSystemMove();
}

void TitleStrip::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setPen(palette().color(QPalette::Mid));
    painter.drawLine(0, height() - 1, width(), height() - 1);

    const int side = fontMetrics().height();
    const int inset = (height() - side) / 2;
    const QIcon icon = window_.windowIcon();
    if (!icon.isNull()) icon.paint(&painter, QRect(inset, inset, side, side));

    // The title in the middle of the strip, left of the buttons if it must.
    QFont bold = font();
    bold.setBold(true);
    painter.setFont(bold);
    painter.setPen(palette().color(window_.isActiveWindow() ? QPalette::Active : QPalette::Inactive,
                                   QPalette::WindowText));
    const int buttonsLeft = (minimize_ != nullptr ? minimize_ : close_)->x();
    const int half =
        std::max(0, std::min(width() / 2 - side - 2 * inset, buttonsLeft - inset - width() / 2));
    const QString title =
        QFontMetrics(bold).elidedText(window_.windowTitle(), Qt::ElideRight, 2 * half);
    painter.drawText(QRect(width() / 2 - half, 0, 2 * half, height()),
                     Qt::AlignCenter | Qt::TextSingleLine, title);
}

void GiveOwnTitleBar(QWidget& window) {
    // What the window shows moves into a body under the strip: its layout
    // with the widgets in it, or, in a window of placed controls, the
    // controls at their places and the window's fixed size.
    auto* body = new QWidget;
    body->setObjectName(QStringLiteral("titledBody"));
    QLayout::SizeConstraint constraint = QLayout::SetFixedSize;
    if (QLayout* content = window.layout()) {
        constraint = content->sizeConstraint();
        body->setLayout(content);
    } else {
        const QSize size = window.size();
        for (QWidget* child : window.findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
            if (!child->isWindow()) child->setParent(body);
        body->setFixedSize(size);
        window.setMinimumSize(0, 0);
        window.setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    }
    // The strip takes its buttons from the flags; then the window keeps only
    // its type (Qt drops "frameless" beside a button hint).
    auto* strip = new TitleStrip(window);
    window.setWindowFlags((window.windowFlags() & Qt::WindowType_Mask) | Qt::FramelessWindowHint);
    auto* outer = new QVBoxLayout(&window);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->setSpacing(0);
    outer->addWidget(strip);
    outer->addWidget(body);
    outer->setSizeConstraint(constraint);
}

void GiveOwnTitleBarWhereNeeded(QWidget& window) {
    if (!WindowSystemDrawsTitleBars()) GiveOwnTitleBar(window);
}
