#include "about_dlg.h"

#include <QLabel>
#include <QMouseEvent>
#include <QPalette>
#include <QPushButton>
#include <QUrl>
#include <algorithm>

#include "desktop.h"
#include "dialog_units.h"
#include "svg_icon.h"

namespace {

constexpr int EmailControlId = 1027;

QLabel* Text(QDialog* box, const QString& text, const char* name, const DialogUnits& units, int x,
             int y, int width, int height) {
    auto* label = new QLabel(text, box);
    label->setObjectName(QLatin1String(name));
    label->setTextFormat(Qt::PlainText);  // "&" and "<" show as they are
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setGeometry(units.Rect(x, y, width, height));
    return label;
}

}  // namespace

QString CAboutDlg::AuthorName() { return QStringLiteral("The Mezura developers"); }

QString CAboutDlg::EmailAddress() { return QStringLiteral("mezura@example.org"); }

QString CAboutDlg::MailUrl() {
    return QStringLiteral("mailto:") + EmailAddress() + QStringLiteral("?SUBJECT=Mezura v4.0");
}

CAboutDlg::CAboutDlg(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint) {
    setObjectName(QStringLiteral("CAboutDlg"));
    setWindowTitle(QStringLiteral("About Mezura"));
    setFont(TemplateFont(QStringLiteral("MS Sans Serif"), 8));
    const DialogUnits units(font());
    setFixedSize(units.Size(243, 118));

    auto* icon = new QLabel(this);
    icon->setObjectName(QStringLiteral("appIcon"));
    icon->setProperty("controlId", 149);
    icon->setGeometry(units.Rect(22, 33, 21, 20));
    const int side = std::min({32, icon->width(), icon->height()});
    icon->setPixmap(SvgPixmap(QStringLiteral(":/icons/mezura.svg"), QSize(side, side)));
    icon->setAlignment(Qt::AlignCenter);

    // The template gives the author's name 46 units, room for about a dozen
    // letters; it gets the width of the lines under it so that ours fits.
    Text(this, AuthorName(), "author", units, 64, 17, 119, 8);
    Text(this, QStringLiteral("Mezura Version 4.0"), "version", units, 64, 30, 119, 8);
    Text(this, QStringLiteral("Free software under the MIT License."), "notice", units, 64, 45, 119,
         8);
    m_emailLink = Text(this, EmailAddress(), "m_emailLink", units, 64, 60, 77, 8);
    m_emailLink->setProperty("controlId", EmailControlId);
    m_emailLink->setCursor(Qt::PointingHandCursor);
    m_emailLink->installEventFilter(this);
    OnCtlColor(m_emailLink);
    auto* remarks = Text(this, QString(), "remarks", units, 7, 80, 232, 31);
    remarks->setWordWrap(true);

    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("okButton"));
    ok->setProperty("controlId", 1);
    ok->setGeometry(units.Rect(189, 7, 50, 14));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    ok->setFocus();
}

void CAboutDlg::OnEmailClick() {
    // Whether a mail program took the URL or not, the box stays as it is.
    CurrentDesktop().OpenUrl(QUrl(MailUrl()));
}

void CAboutDlg::OnCtlColor(QLabel* control) {
    QPalette palette = control->palette();
    palette.setColor(QPalette::WindowText, QColor(0, 0, 255));
    control->setPalette(palette);
}

bool CAboutDlg::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_emailLink && event->type() == QEvent::MouseButtonRelease) {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        // A click is a press and a release over the address, as a static
        // control counts it.
        if (mouse->button() == Qt::LeftButton &&
            m_emailLink->rect().contains(mouse->position().toPoint())) {
            OnEmailClick();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}
