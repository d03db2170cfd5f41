#include "about_dialog.h"

#include <QLabel>
#include <QMouseEvent>
#include <QPalette>
#include <QPushButton>
#include <QUrl>
#include <algorithm>

#include "desktop.h"
#include "dialog_units.h"
#include "readable_colour.h"
#include "svg_label.h"
#include "template_layout.h"
#include "title_bars.h"

namespace {

QLabel* Text(QDialog* box, const QString& text, const char* name, const DialogUnits& units, int x,
             int y, int width, int height) {
    auto* label = new QLabel(text, box);
    label->setTextFormat(Qt::PlainText);  // "&" and "<" show as they are
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return PlaceAtTemplate(label, name, units, x, y, width, height);
}

}  // namespace

QString AboutDialog::AuthorName() { return tr("The Mezura developers"); }

QString AboutDialog::EmailAddress() { return QStringLiteral("mezura@example.org"); }

QString AboutDialog::MailUrl() {
    return QStringLiteral("mailto:") + EmailAddress() + QStringLiteral("?SUBJECT=Mezura v4.0");
}

AboutDialog::AboutDialog(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint) {
    setObjectName(QStringLiteral("AboutDialog"));
    setWindowTitle(tr("About Mezura"));
    setFont(TemplateFont(QStringLiteral("MS Sans Serif"), 8));
    const DialogUnits units(font());

    auto* icon = new SvgLabel(QStringLiteral(":/icons/mezura.svg"), SvgLabel::Ink::Drawing, this);
    PlaceAtTemplate(icon, "appIcon", units, 22, 33, 21, 20);
    const int side = std::min({32, icon->width(), icon->height()});
    icon->SetPictureSize(QSize(side, side));
    icon->setAccessibleName(tr("Mezura icon"));

    // The template gives the author's name 46 units, room for about a dozen
    // letters; it gets the width of the lines under it so that ours fits.
    Text(this, AuthorName(), "author", units, 64, 17, 119, 8);
    Text(this, tr("Mezura Version 4.0"), "version", units, 64, 30, 119, 8);
    Text(this, tr("Free software under the MIT License."), "notice", units, 64, 45, 119, 8);
    emailLink_ = Text(this, EmailAddress(), "emailLink", units, 64, 60, 77, 8);
    emailLink_->setCursor(Qt::PointingHandCursor);
    emailLink_->installEventFilter(this);
    emailLink_->setAccessibleDescription(tr("Click to write a mail to the authors"));
    ColourLink(*emailLink_);
    auto* remarks = Text(this, QString(), "remarks", units, 7, 80, 232, 31);
    remarks->setWordWrap(true);

    auto* ok = new QPushButton(tr("OK"), this);
    PlaceAtTemplate(ok, "okButton", units, 189, 7, 50, 14);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    ok->setFocus();
    setFixedSize(units.Size(243, 118) + QSize(FitTexts(*this), 0));
    GiveOwnTitleBarWhereNeeded(*this);  // as the main window (title_bars.h)
}

void AboutDialog::OnEmailClick() {
    // Whether a mail program took the URL or not, the box stays as it is.
    CurrentDesktop().OpenUrl(QUrl(MailUrl()));
}

void AboutDialog::ColourLink(QLabel& link) {
    // Blue as on a light dialog; on a dark one a lighter blue, so the
    // address stays as legible as the text around it.
    QPalette palette = link.palette();
    palette.setColor(QPalette::WindowText,
                     ReadableColour(QColor(0, 0, 255), this->palette().color(QPalette::Window)));
    link.setPalette(palette);
}

void AboutDialog::changeEvent(QEvent* event) {
    if (event->type() == QEvent::PaletteChange && emailLink_ != nullptr) ColourLink(*emailLink_);
    QDialog::changeEvent(event);
}

bool AboutDialog::eventFilter(QObject* watched, QEvent* event) {
    if (watched == emailLink_ && event->type() == QEvent::MouseButtonRelease) {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        // A click is a press and a release over the address, as a static
        // control counts it.
        if (mouse->button() == Qt::LeftButton &&
            emailLink_->rect().contains(mouse->position().toPoint())) {
            OnEmailClick();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}
