#include "preferences_sheet.h"

#include <QPushButton>
#include <QTabBar>
#include <QVBoxLayout>
#include <algorithm>

#include "title_bars.h"

PreferencesSheet::PreferencesSheet(const QString& caption, QWidget* parent, int startPage,
                                   ProfileStore& profile, Catalogue& catalogue,
                                   const ResultStyle& style, const MixedUnitsSetting& mixedUnits,
                                   bool decimalPoint, PreferencesListener& listener)
    : QDialog(parent),
      buttons_(QDialogButtonBox::Ok | QDialogButtonBox::Cancel),
      startPage_(startPage),
      resultsPage_(profile, style, mixedUnits, decimalPoint),
      visiblePage_(catalogue),
      customPage_(catalogue, profile, listener),
      generalPage_(profile, listener) {
    setWindowTitle(caption);
    setObjectName(QStringLiteral("PreferencesSheet"));
    setFont(PropertyPage::PageFont());
    setModal(true);

    // A click on a tab takes the focus to the tab itself, as on the
    // platform's sheets: otherwise the focus would jump into the new page
    // and, on Visible Categories, count as an edit of the list.
    tabs_.tabBar()->setFocusPolicy(Qt::StrongFocus);
    tabs_.setObjectName(QStringLiteral("tabs"));
    buttons_.setObjectName(QStringLiteral("buttons"));
    buttons_.button(QDialogButtonBox::Ok)->setDefault(true);
    for (QAbstractButton* button : buttons_.buttons())
        button->setIcon(QIcon());  // plain text buttons, whatever the style offers
    buttons_.button(QDialogButtonBox::Ok)->setText(tr("OK"));
    buttons_.button(QDialogButtonBox::Cancel)->setText(tr("Cancel"));
    tabs_.setAccessibleName(tr("Pages"));
    tabs_.tabBar()->setAccessibleName(tr("Pages"));

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(&tabs_);
    layout->addWidget(&buttons_);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    GiveOwnTitleBarWhereNeeded(*this);  // as the main window (title_bars.h)

    AddPage(generalPage_);
    AddPage(resultsPage_);
    AddPage(visiblePage_);
    AddPage(customPage_);
    // The tabs show every page at the widest one's width: a page whose texts
    // are shorter spreads its frames and lists over it rather than leaving
    // an empty strip on its right.
    int widest = 0;
    for (int index = 0; index < tabs_.count(); ++index)
        widest = std::max(widest, Page(index).minimumWidth());
    for (int index = 0; index < tabs_.count(); ++index)
        Page(index).Widen(widest - Page(index).minimumWidth());

    connect(&buttons_, &QDialogButtonBox::accepted, this, &PreferencesSheet::accept);
    connect(&buttons_, &QDialogButtonBox::rejected, this, &PreferencesSheet::reject);
    connect(&tabs_, &QTabWidget::currentChanged, this, &PreferencesSheet::OnTabChanged);
}

PreferencesSheet::~PreferencesSheet() {
    // The pages go first, and each one leaving makes the tab widget show
    // another: no page may be initialised or exchanged on its way out.
    disconnect(&tabs_, nullptr, this, nullptr);
}

void PreferencesSheet::AddPage(PropertyPage& page) {
    page.FitTexts();
    tabs_.addTab(&page, page.Title());
}

PropertyPage& PreferencesSheet::Page(int index) {
    return *static_cast<PropertyPage*>(tabs_.widget(index));
}

int PreferencesSheet::Run() {
    {
        const QSignalBlocker quiet(tabs_);  // the start page is shown, not changed to
        tabs_.setCurrentIndex(startPage_);
    }
    activePage_ = tabs_.currentIndex();
    if (activePage_ >= 0) Page(activePage_).Activate();
    return exec();
}

void PreferencesSheet::OnTabChanged(int index) {
    if (activePage_ >= 0 && activePage_ < tabs_.count()) Page(activePage_).Deactivate();
    activePage_ = index;
    if (index >= 0) Page(index).Activate();
}

void PreferencesSheet::accept() {
    if (activePage_ >= 0) Page(activePage_).Deactivate();
    for (int index = 0; index < tabs_.count(); ++index) {
        if (Page(index).IsInitialised()) Page(index).OnOK();
    }
    QDialog::accept();
}
