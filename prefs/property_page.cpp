#include "property_page.h"

#include <QComboBox>
#include <algorithm>

#include "dialog_units.h"
#include "template_layout.h"

PropertyPage::PropertyPage(const char* name, QString title, int widthDlu, int heightDlu)
    : title_(std::move(title)) {
    setObjectName(QLatin1String(name));
    // Every page template is drawn in MS Sans Serif 8; its dialog units are
    // measured on the font the machine offers in its place.
    setFont(PageFont());
    // A page is drawn in the dialog's colour, as its frames' titles are:
    // some styles give the tab pane a lighter one.
    setAutoFillBackground(true);
    setMinimumSize(Units().Size(widthDlu, heightDlu));
}

QFont PropertyPage::PageFont() { return TemplateFont(QStringLiteral("MS Sans Serif"), 8); }

DialogUnits PropertyPage::Units() const { return DialogUnits(font()); }

void PropertyPage::Activate() {
    if (initialised_) return;
    initialised_ = true;
    Populate();
}

void PropertyPage::Deactivate() { ReadFields(); }

void PropertyPage::Populate() { ShowFields(); }

void PropertyPage::Place(QWidget& control, const char* name, int x, int y, int width, int height) {
    control.setParent(this);
    PlaceAtTemplate(control, name, Units(), QRect(x, y, width, height));
}

void PropertyPage::FitTexts() { setMinimumWidth(minimumWidth() + ::FitTexts(*this)); }

void PropertyPage::Widen(int pixels) {
    if (pixels <= 0) return;
    int x = 0;
    if (stretchBefore_ != nullptr) {
        x = stretchBefore_->x();
    } else {
        for (const QWidget* child : findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
            if (!child->isWindow()) x = std::max(x, child->geometry().right());
    }
    WidenAt(x, pixels);
}

void PropertyPage::WidenAt(int x, int pixels) {
    if (pixels <= 0) return;
    ::WidenAt(*this, x, pixels);
    setMinimumWidth(minimumWidth() + pixels);
}

void PropertyPage::PlaceDropDown(QComboBox& control, const char* name, int x, int y, int width,
                                 int droppedHeight) {
    Place(control, name, x, y, width, droppedHeight);
    control.resize(control.width(), control.sizeHint().height());
}
