#include "property_page.h"

#include <QComboBox>

#include "dialog_units.h"
#include "template_layout.h"

PropertyPage::PropertyPage(int templateId, QString title, int widthDlu, int heightDlu)
    : templateId_(templateId), title_(std::move(title)) {
    setObjectName(QStringLiteral("page%1").arg(templateId));
    setProperty("controlId", templateId);
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
    OnInitDialog();
}

void PropertyPage::OnKillActive() { UpdateData(true); }

bool PropertyPage::OnInitDialog() {
    UpdateData(false);
    return true;
}

void PropertyPage::DoDataExchange(bool) {}

void PropertyPage::Place(QWidget& control, int controlId, const char* name, int x, int y, int width,
                         int height) {
    control.setParent(this);
    PlaceAtTemplate(control, name, controlId, Units().Rect(x, y, width, height));
}

void PropertyPage::FitTexts() { setMinimumWidth(minimumWidth() + ::FitTexts(*this)); }

void PropertyPage::PlaceDropDown(QComboBox& control, int controlId, const char* name, int x, int y,
                                 int width, int droppedHeight) {
    Place(control, controlId, name, x, y, width, droppedHeight);
    control.resize(control.width(), control.sizeHint().height());
}
