#pragma once
// Who draws a window's title bar, and the one Mezura draws where nobody else
// would without offering a Maximize its fixed windows cannot take.
//
// On X11 the window manager draws it, and reads from the window's hints that
// it cannot grow: no Maximize. On Wayland a compositor that offers
// server-side decorations (the xdg-decoration protocol: KDE Plasma, the
// wlroots compositors) draws it too, and is told the window's minimum and
// maximum size. A compositor that leaves decorations to the client (weston,
// GNOME) gets Qt's own: in Qt 6.4 that title bar draws Maximize on every
// window, whatever its flags and size limits, and a click on it ends the
// program under weston, which refuses the fixed-size surface the maximized
// state it asked for (a protocol error). Qt 6.4 has no public way to choose
// or change that decoration, and Debian ships no private headers to build
// another against, so there the fixed windows draw their own:
//
//   [icon]            Mezura             [_] [x]     <- TitleStrip: moves the
//   File  Options  Help                                 window, minimizes and
//   ...                                                 closes it; no Maximize
#include <QString>
#include <QWidget>

class QToolButton;

// True unless the program runs on a Wayland compositor that offers no
// server-side decorations. Asked of the compositor once, on a connection of
// its own, and remembered.
bool WindowSystemDrawsTitleBars();

// The title bar of a fixed window: its icon and title, Minimize where its
// flags ask for one, and Close. A press on the rest moves the window.
class TitleStrip : public QWidget {
    Q_OBJECT
public:
    explicit TitleStrip(QWidget& window);

    QToolButton* MinimizeButton() const { return minimize_; }
    QToolButton* CloseButton() const { return close_; }

    QSize sizeHint() const override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    QWidget& window_;
    QToolButton* minimize_ = nullptr;
    QToolButton* close_ = nullptr;
};

// Makes `window` frameless and puts a TitleStrip over what its layout holds
// (it must have one). The window keeps its size constraint.
void GiveOwnTitleBar(QWidget& window);
// The same where WindowSystemDrawsTitleBars() is false; nothing elsewhere.
void GiveOwnTitleBarWhereNeeded(QWidget& window);
