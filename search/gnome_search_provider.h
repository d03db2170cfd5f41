#pragma once
// org.gnome.Shell.SearchProvider2: how GNOME Shell's overview asks for
// results. The shell hands the typed words split at blanks; they are joined
// again with one blank, so "5 km to mi" reads as typed.
#include <QObject>
#include <QStringList>
#include <QVariantMap>

class SearchActivity;
class SearchAnswers;
class SearchDesktop;

class GnomeSearchProvider : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.gnome.Shell.SearchProvider2")
public:
    GnomeSearchProvider(SearchAnswers& answers, SearchDesktop& desktop, SearchActivity* activity,
                        QObject* parent = nullptr);

public Q_SLOTS:
    QStringList GetInitialResultSet(const QStringList& terms);
    QStringList GetSubsearchResultSet(const QStringList& previousResults, const QStringList& terms);
    // id, name (value and unit), description, gicon and clipboardText (the value).
    QList<QVariantMap> GetResultMetas(const QStringList& identifiers);
    // The value onto the clipboard.
    void ActivateResult(const QString& identifier, const QStringList& terms, uint timestamp);
    // The window, on the conversion typed.
    void LaunchSearch(const QStringList& terms, uint timestamp);

private:
    SearchAnswers& answers_;
    SearchDesktop& desktop_;
    SearchActivity* activity_;
};
