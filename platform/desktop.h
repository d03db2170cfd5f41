#pragma once
// Everything the program does that reaches outside its own windows: message
// boxes, the exclamation sound, starting a program, opening a URL. The
// program reaches them only through CurrentDesktop(), so tests install a
// recorder and nothing ever blocks or starts anything.
#include <QString>
#include <QStringList>
#include <QUrl>

class QWidget;

class Desktop {
public:
    enum class Icon { None, Information };
    enum class Buttons { Ok, OkCancel };
    enum class Answer { Ok, Cancel };

    virtual ~Desktop() = default;

    // A modal message box; the button the user pressed (Cancel also for Esc
    // or the close box).
    virtual Answer ShowMessage(QWidget* parent, const QString& caption, const QString& text,
                               Icon icon, Buttons buttons) = 0;
    // The exclamation sound that confirms a successful addition.
    virtual void PlayExclamation() = 0;
    // Starts a program detached; never waits for it. False when it could not start.
    virtual bool StartDetached(const QString& program, const QStringList& arguments) = 0;
    // Hands a URL (a mailto: link) to the desktop's handler. False when none took it.
    virtual bool OpenUrl(const QUrl& url) = 0;
};

// The desktop in force: the real one unless a test has installed another.
Desktop& CurrentDesktop();
// Installs `desktop` (not owned); nullptr puts the real one back.
void SetDesktop(Desktop* desktop);
