#pragma once
// A desktop that records what the program asks of it and does none of it:
// no message box blocks, no sound plays, nothing starts, no URL opens.
// Message boxes answer with the queued answers, then with Ok.
#include <QUrl>
#include <QWidget>
#include <deque>
#include <vector>

#include "desktop.h"

class RecordingDesktop : public Desktop {
public:
    struct Message {
        QWidget* parent;
        bool parentShown;  // a box over a hidden parent opens at the screen's corner
        QString caption;
        QString text;
        Icon icon;
        Buttons buttons;
    };
    struct Start {
        QString program;
        QStringList arguments;
    };

    Answer ShowMessage(QWidget* parent, const QString& caption, const QString& text, Icon icon,
                       Buttons buttons) override {
        messages.push_back(
            {parent, parent != nullptr && parent->isVisible(), caption, text, icon, buttons});
        if (answers.empty()) return Answer::Ok;
        const Answer answer = answers.front();
        answers.pop_front();
        return answer;
    }
    void PlayExclamation() override { ++exclamations; }
    bool StartDetached(const QString& program, const QStringList& arguments) override {
        starts.push_back({program, arguments});
        return true;
    }
    bool OpenUrl(const QUrl& url) override {
        urls.push_back(url);
        return true;
    }

    std::vector<Message> messages;
    std::deque<Answer> answers;
    int exclamations = 0;
    std::vector<Start> starts;
    std::vector<QUrl> urls;
};
