// Photographs the History list, the open Favourites menu or Find unit over
// the main window with ImageMagick's import: run it under Xvfb (LANGUAGE=de
// for the German window).
//
//   daily_screenshot history OUT.png
//   daily_screenshot favourites OUT.png
//   daily_screenshot find OUT.png [QUERY]   QUERY ("inch") typed into Find unit
#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QProcess>
#include <QTemporaryDir>
#include <QTimer>
#include <cstdio>

#include "catalogue.h"
#include "find_unit_popup.h"
#include "history_popup.h"
#include "main_window.h"
#include "mezura_app.h"
#include "translations.h"

int main(int argc, char* argv[]) {
    if (argc != 3 && argc != 4) {
        std::fprintf(stderr, "usage: daily_screenshot history|favourites|find OUT.png [QUERY]\n");
        return 2;
    }
    QTemporaryDir folder;
    qputenv("XDG_STATE_HOME", folder.path().toLocal8Bit());
    QApplication application(argc, argv);
    const Translations translations;
    const bool history = QByteArrayView(argv[1]) == "history";
    const bool find = QByteArrayView(argv[1]) == "find";
    const QString out = QString::fromLocal8Bit(argv[2]);
    const QString query = argc == 4 ? QString::fromLocal8Bit(argv[3]) : QStringLiteral("inch");

    // A cook's, a pilot's and a buyer's conversions, and their pinned pairs.
    QDir().mkpath(folder.filePath(QStringLiteral("mezura")));
    QFile state(folder.filePath(QStringLiteral("mezura/history")));
    state.open(QIODevice::WriteOnly);
    state.write(
        "Mezura history 1\n"
        "Distance\tFeet\tMeters\t3500\t1066.8\n"
        "Velocity\tKnots\tKilometers%2Fhour\t120\t222.24\n"
        "Mass\tGrams\tOunces\t250\t8.8184904873951\n"
        "Distance\tKilometers\tMiles\t42.195\t26.218757456454\n"
        "Temperature\tCelsius\tFahrenheit\t180\t356\n"
        "Mass\tPounds\tKilograms\t2\t0.90718474\n");
    state.close();
    const std::string profile = folder.filePath(QStringLiteral("mezura.INI")).toStdString();
    QFile file(QString::fromStdString(profile));
    file.open(QIODevice::WriteOnly);
    file.write(
        "[Settings]\r\nFavourite_1=Distance/Feet/Meters\r\n"
        "Favourite_2=Velocity/Knots/Kilometers%2Fhour\r\n"
        "Favourite_3=Mass/Grams/Ounces\r\nFavourite_4=Temperature/Celsius/Fahrenheit\r\n");
    file.close();

    MezuraApp app(profile);
    Catalogue catalogue;
    MainWindow window(app, catalogue);
    app.SetMainWindow(&window);
    window.Populate();
    window.move(20, 20);
    window.show();
    window.ShowFavourite(0);

    int status = 1;
    QTimer::singleShot(600, &window, [&] {
        if (find) {
            window.OnFindUnit();
            if (auto* popup = window.findChild<FindUnitPopup*>()) {
                popup->move(window.frameGeometry().right() + 20, 20);
                popup->findChild<QLineEdit*>()->setText(query);
            }
        } else if (history) {
            window.OnHistory();
            if (auto* popup = window.findChild<HistoryPopup*>())
                popup->move(window.frameGeometry().right() + 20, 20);
        } else {
            QMenuBar* bar = window.findChild<QMenuBar*>();
            QMenu* options = bar->actions()[1]->menu();
            bar->setActiveAction(bar->actions()[1]);
            QMenu* favourites = window.findChild<QMenu*>(QStringLiteral("favouritesMenu"));
            options->setActiveAction(favourites->menuAction());
            favourites->popup(
                options->mapToGlobal(options->actionGeometry(favourites->menuAction()).topRight()));
        }
        QTimer::singleShot(700, &window, [&] {
            status = QProcess::execute(QStringLiteral("import"),
                                       {QStringLiteral("-window"), QStringLiteral("root"), out});
            application.quit();
        });
    });
    application.exec();
    return status;
}
