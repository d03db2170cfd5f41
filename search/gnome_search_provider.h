#pragma once
// org.gnome.Shell.SearchProvider2: how GNOME Shell's overview asks for
// results. The shell hands the typed words split at blanks; they are joined
// again with one blank, so "5 km to mi" reads as typed.
#include <QObject>
#include <QStringList>
#include <QTimer>
#include <QVariantMap>

class SearchActivity;
class SearchAnswers;
class SearchDesktop;

// GNOME Shell asks for the metas of the results it shows, a screenful of
// about ten; no desktop asks for more at once. Any number past this is
// answered for the first ones only, so one request costs a bounded time and
// reply, whoever sends it, and no other client waits on it.
inline constexpr qsizetype MostResultMetas = 32;

class GnomeSearchProvider : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.gnome.Shell.SearchProvider2")
public:
    GnomeSearchProvider(SearchAnswers& answers, SearchDesktop& desktop, SearchActivity* activity,
                        QObject* parent = nullptr);

public Q_SLOTS:
    QStringList GetInitialResultSet(const QStringList& terms);
    QStringList GetSubsearchResultSet(const QStringList& previousResults, const QStringList& terms);
    // id, name (value and unit), description, gicon and clipboardText (the
    // value), for the first MostResultMetas ids; those beyond get nothing.
    QList<QVariantMap> GetResultMetas(const QStringList& identifiers);
    // The value onto the clipboard.
    void ActivateResult(const QString& identifier, const QStringList& terms, uint timestamp);
    // The window, on the conversion typed.
    void LaunchSearch(const QStringList& terms, uint timestamp);

private:
    void ReleaseAfterLargeRequest(qsizetype ids);

    SearchAnswers& answers_;
    SearchDesktop& desktop_;
    SearchActivity* activity_;
    QTimer release_;
};
