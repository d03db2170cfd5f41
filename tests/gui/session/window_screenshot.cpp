// Photographs the main window converting 1 Kilometers to Miles, with the
// About box beside it, for docs/: run it under Xvfb.
//
//   window_screenshot dark OUT.png    Fusion with a dark palette
//   window_screenshot plain OUT.png   the platform's look (run it with
//                                     QT_SCALE_FACTOR=2 for the 2x picture)
#include <QApplication>
#include <QLineEdit>
#include <QPainter>
#include <QPalette>
#include <QStyleFactory>
#include <QTemporaryDir>
#include <QTimer>
#include <cstdio>

#include "about_dialog.h"
#include "catalogue.h"
#include "main_window.h"
#include "mezura_app.h"
#include "sorted_combo_box.h"
#include "sorted_list_box.h"
#include "translations.h"

namespace {

QPalette DarkPalette() {
    QPalette dark;
    const QColor window(53, 53, 53), base(35, 35, 35), text(230, 230, 230);
    for (auto [role, colour] : {std::pair{QPalette::Window, window},
                                {QPalette::WindowText, text},
                                {QPalette::Base, base},
                                {QPalette::AlternateBase, window},
                                {QPalette::Text, text},
                                {QPalette::Button, window},
                                {QPalette::ButtonText, text},
                                {QPalette::Light, QColor(90, 90, 90)},
                                {QPalette::Mid, QColor(30, 30, 30)},
                                {QPalette::Highlight, QColor(42, 130, 218)},
                                {QPalette::HighlightedText, QColor(Qt::black)}})
        dark.setColor(role, colour);
    return dark;
}

void Pick(SortedListBox& list, const char* name) { list.Select(list.FindExact(name)); }

}  // namespace

int main(int argc, char* argv[]) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: window_screenshot dark|plain OUT.png\n");
        return 2;
    }
    QApplication application(argc, argv);
    if (QByteArrayView(argv[1]) == "dark") {
        QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
        QApplication::setPalette(DarkPalette());
    }
    const QString out = QString::fromLocal8Bit(argv[2]);
    const Translations translations;  // LANGUAGE=de for the German window

    QTemporaryDir folder;
    MezuraApp app(folder.filePath(QStringLiteral("mezura.INI")).toStdString());
    Catalogue catalogue;
    MainWindow window(app, catalogue);
    app.SetMainWindow(&window);
    window.Populate();
    window.CategoryCombo().Select(window.CategoryCombo().FindExact("Distance"));
    window.OnCategoryChosen();
    Pick(*window.findChild<SortedListBox*>(QStringLiteral("inputUnits")), "Kilometers");
    Pick(*window.findChild<SortedListBox*>(QStringLiteral("outputUnits")), "Miles");
    window.findChild<QLineEdit*>(QStringLiteral("inputEdit"))->setText(QStringLiteral("1"));
    window.Convert();
    window.show();
    AboutDialog about(&window);
    about.show();

    bool saved = false;
    QTimer::singleShot(500, &window, [&] {
        // Side by side, at the screen's own pixel density.
        const QPixmap main = window.grab();
        const QPixmap box = about.grab();
        const qreal ratio = main.devicePixelRatio();
        const int gap = 8;
        QPixmap both(QSize(main.width() + box.width(), std::max(main.height(), box.height())) +
                     QSize(qRound(gap * ratio), 0));
        both.setDevicePixelRatio(ratio);
        both.fill(window.palette().color(QPalette::Window));
        QPainter painter(&both);
        painter.drawPixmap(0, 0, main);
        painter.drawPixmap(QPointF(main.deviceIndependentSize().width() + gap, 0), box);
        painter.end();
        saved = both.save(out);
        QApplication::quit();
    });
    QApplication::exec();
    return saved ? 0 : 1;
}
