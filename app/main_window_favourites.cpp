// Favourites on the main window: pinning the shown pair, the Favourites menu
// and its Ctrl+1 ... Ctrl+9.
#include <QAction>
#include <QMenu>

#include "catalogue.h"
#include "main_window.h"
#include "mezura_app.h"
#include "text_edge.h"

namespace {

QString Trimmed(const std::string& cp1252) {
    return QStringFromCp1252(cp1252.substr(0, cp1252.find_last_not_of(' ') + 1));
}

}  // namespace

QString MainWindow::FavouriteTitle(const UnitPair& pair) {
    return tr("%1: %2 \u2192 %3")
        .arg(Trimmed(pair.category), Trimmed(pair.input), Trimmed(pair.output));
}

void MainWindow::OnToggleFavourite() {
    const std::optional<UnitPair> pair = ShownPair();
    if (!pair) return;
    favourites_.Toggle(*pair);
    favourites_.Save(app_.Profile());
    RebuildFavouritesMenu();
    UpdateFavouriteAction();
}

void MainWindow::ShowFavourite(std::size_t index) {
    if (index >= favourites_.Pairs().size()) return;
    const UnitPair pair = favourites_.Pairs()[index];
    ChangeSelection([this, &pair] { ShowPair(pair); });
}

void MainWindow::UpdateFavouriteAction() {
    if (favouriteAction_ == nullptr) return;
    const std::optional<UnitPair> pair = ShownPair();
    const QString text = pair && favourites_.Contains(*pair) ? tr("&Remove from favourites")
                                                             : tr("&Add to favourites");
    if (favouriteAction_->text() != text) favouriteAction_->setText(text);
    favouriteAction_->setEnabled(pair.has_value());
}

void MainWindow::RebuildFavouritesMenu() {
    for (QAction* action : favouritesMenu_->actions()) {
        removeAction(action);
        delete action;
    }
    favouritesMenu_->clear();
    if (favourites_.Pairs().empty()) {
        QAction* none = favouritesMenu_->addAction(tr("No favourites yet"));
        none->setEnabled(false);
        return;
    }
    for (std::size_t i = 0; i < favourites_.Pairs().size(); ++i) {
        QAction* action = favouritesMenu_->addAction(FavouriteTitle(favourites_.Pairs()[i]));
        action->setObjectName(QStringLiteral("favouriteAction%1").arg(i + 1));
        if (i < static_cast<std::size_t>(Favourites::KeyedCount)) {
            action->setShortcut(QKeySequence(Qt::CTRL | static_cast<Qt::Key>(Qt::Key_1 + i)));
            // The keys act with the menu closed too.
            addAction(action);
        }
        connect(action, &QAction::triggered, this, [this, i] { ShowFavourite(i); });
    }
}

void MainWindow::DropMissingFavourites(const std::string& category) {
    // Only the changed category's: a favourite of another one may name a
    // currency whose rates are not loaded yet, and is not lost for that.
    if (!favourites_.RemoveIf([this, &category](const UnitPair& pair) {
            return pair.category == category && MissingName(catalogue_, pair).has_value();
        }))
        return;
    favourites_.Save(app_.Profile());
    RebuildFavouritesMenu();
    UpdateFavouriteAction();
}
