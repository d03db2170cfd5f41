#pragma once
// The service's life: it ends by itself once no call has come for a while
// (60 s; MEZURA_SEARCH_IDLE_MS sets another time, for tests), so a search
// the user made once costs no memory for the rest of the session.
#include <QObject>
#include <QTimer>

class SearchActivity : public QObject {
    Q_OBJECT
public:
    explicit SearchActivity(QObject* parent = nullptr);
    // A call came: the idle time starts again.
    void Touch();

private:
    QTimer idle_;
};
