// The real desktop: Qt's message box, the system bell, detached processes
// and the desktop's URL handlers.
#include <QApplication>
#include <QDesktopServices>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>

#include "desktop.h"
#include "title_bars.h"

namespace {

class QtDesktop final : public Desktop {
public:
    Answer ShowMessage(QWidget* parent, const QString& caption, const QString& text, Icon icon,
                       Buttons buttons) override {
        QMessageBox box(
            icon == Icon::Information ? QMessageBox::Information : QMessageBox::NoIcon, caption,
            text,
            buttons == Buttons::OkCancel ? QMessageBox::Ok | QMessageBox::Cancel : QMessageBox::Ok,
            parent);
        // Our own words for the buttons, so they follow the program's language.
        box.button(QMessageBox::Ok)->setText(QCoreApplication::translate("Desktop", "OK"));
        if (QAbstractButton* cancel = box.button(QMessageBox::Cancel))
            cancel->setText(QCoreApplication::translate("Desktop", "Cancel"));
        GiveOwnTitleBarWhereNeeded(box);  // as the main window (title_bars.h)
        return box.exec() == QMessageBox::Ok ? Answer::Ok : Answer::Cancel;
    }

    void PlayExclamation() override { QApplication::beep(); }

    bool StartDetached(const QString& program, const QStringList& arguments) override {
        return QProcess::startDetached(program, arguments);
    }

    bool OpenUrl(const QUrl& url) override { return QDesktopServices::openUrl(url); }
};

QtDesktop& RealDesktop() {
    static QtDesktop desktop;
    return desktop;
}

Desktop* installedDesktop = nullptr;

}  // namespace

Desktop& CurrentDesktop() {
    return installedDesktop != nullptr ? *installedDesktop : RealDesktop();
}

void SetDesktop(Desktop* desktop) { installedDesktop = desktop; }
