// Opens the Preferences sheet on one tab over the main window and photographs
// the sheet, or for the mixed units the whole screen with ImageMagick's
// import: run it under Xvfb.
//
//   prefs_screenshot TAB OUT.png     TAB 0 General, 1 Result Format,
//                                    2 Visible Categories, 3 Custom
//   prefs_screenshot mixed OUT.png   the Result Format tab with mixed units
//                                    on, beside the window showing 1.75 m
//                                    in feet and inches (LANGUAGE=de: German)
#include <QApplication>
#include <QFile>
#include <QLineEdit>
#include <QProcess>
#include <QTemporaryDir>
#include <QTimer>
#include <cstdio>

#include "catalogue.h"
#include "custom_page.h"
#include "main_window.h"
#include "mezura_app.h"
#include "preferences_sheet.h"
#include "session_language.h"
#include "sorted_combo_box.h"
#include "sorted_list_box.h"
#include "translations.h"

int main(int argc, char* argv[]) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: prefs_screenshot TAB OUT.png\n");
        return 2;
    }
    QApplication application(argc, argv);
    const Translations translations;
    const bool mixed = QByteArrayView(argv[1]) == "mixed";
    const int tab = mixed ? 1 : QString::fromLocal8Bit(argv[1]).toInt();
    const QString out = QString::fromLocal8Bit(argv[2]);

    QTemporaryDir folder;
    const std::string profile = folder.filePath(QStringLiteral("mezura.INI")).toStdString();
    {
        // A custom category with two units, so the Custom tab has something to show.
        QFile file(QString::fromStdString(profile));
        file.open(QIODevice::WriteOnly);
        file.write("[Settings]\r\nCustom_1=Beer\r\n");
        if (mixed) file.write("MixedUnits=TRUE\r\nInchFraction=8\r\n");
        file.write(
            "[Beer]\r\nCustomUnits=2\r\n"
            "CustomUnit_1=Pint\r\nCustomValue_1=1\r\n"
            "CustomUnit_2=Crate\r\nCustomValue_2=24.00000000000000\r\n");
    }
    MezuraApp app(profile);
    Catalogue catalogue;
    MainWindow window(app, catalogue);
    app.SetMainWindow(&window);
    window.Populate();
    if (mixed) {
        window.CategoryCombo().Select(window.CategoryCombo().FindExact("Distance"));
        window.OnCategoryChosen();
        for (auto [list, unit] : {std::pair{"inputUnits", "Meters"}, {"outputUnits", "Feet"}}) {
            auto* units = window.findChild<SortedListBox*>(QString::fromLatin1(list));
            units->Select(units->FindExact(unit));
        }
        // Typed as the session writes it: "1,75" in German.
        window.findChild<QLineEdit*>(QStringLiteral("inputEdit"))
            ->setText(SessionDecimalComma() ? QStringLiteral("1,75") : QStringLiteral("1.75"));
        window.Convert();
        window.move(20, 20);
    }
    window.show();

    PreferencesSheet sheet(QStringLiteral("Preferences"), &window, tab, app.Profile(), catalogue,
                           window.Style(), window.MixedUnits(), window.DecimalPointChosen(),
                           window);
    int status = 1;
    QTimer::singleShot(800, &sheet, [&] {
        if (mixed) sheet.move(window.frameGeometry().right() + 20, 20);
        if (tab == 3) {
            sheet.customPage_.existingRadio_.click();
            sheet.customPage_.categoryCombo_.Select(
                sheet.customPage_.categoryCombo_.FindExact("Beer"));
            sheet.customPage_.OnCategorySelected();
        }
        QTimer::singleShot(400, &sheet, [&] {
            // The sheet alone: on the whole screen the main window's edge
            // would show below it. The mixed-units picture shows both.
            status =
                mixed ? QProcess::execute(QStringLiteral("import"),
                                          {QStringLiteral("-window"), QStringLiteral("root"), out})
                      : (sheet.grab().save(out) ? 0 : 1);
            sheet.reject();
        });
    });
    sheet.Run();
    return status;
}
