#include "results_page.h"

#include <algorithm>

#include "profile_keys.h"
#include "profile_records.h"
#include "result_format.h"

namespace {

constexpr int AutoFormatId = 1036;
constexpr int ScientificId = 1037;
constexpr int FixedId = 1038;

}  // namespace

ResultsPage::ResultsPage(ProfileStore& profile, const ResultStyle& style)
    : PropertyPage(155, tr("Result Format"), 249, 162),
      m_formatFrame(tr("Select the format of the results     ")),
      m_autoRadio(tr("AutoFormat")),
      m_scientificRadio(tr("Scientific")),
      m_fixedRadio(tr("Fixed")),
      m_precisionLabel(tr("Set decimal precision ")),
      m_previewFrame(tr(" Preview ")),
      m_preview(QStringLiteral("Static")),
      profile_(profile),
      style_(style) {
    Place(m_formatFrame, -1, "m_formatFrame", 7, 7, 235, 148);
    Place(m_autoRadio, AutoFormatId, "m_autoRadio", 17, 28, 52, 10);
    Place(m_scientificRadio, ScientificId, "m_scientificRadio", 17, 42, 45, 10);
    Place(m_fixedRadio, FixedId, "m_fixedRadio", 17, 56, 33, 10);
    Place(m_precisionLabel, -1, "m_precisionLabel", 135, 57, 70, 8);
    PlaceDropDown(m_precisionCombo, 1049, "m_precisionCombo", 209, 55, 22, 91);
    Place(m_previewFrame, -1, "m_previewFrame", 17, 77, 213, 70);
    Place(m_preview, 1050, "m_preview", 64, 110, 141, 8);
    m_formatFrame.lower();
    m_previewFrame.lower();
    previewPlace_ = m_preview.geometry();
    m_precisionCombo.setAccessibleName(tr("Decimal precision"));
    m_precisionLabel.setBuddy(&m_precisionCombo);
    m_preview.setAccessibleName(tr("Preview"));

    formatGroup_.addButton(&m_autoRadio, AutoFormatId);
    formatGroup_.addButton(&m_scientificRadio, ScientificId);
    formatGroup_.addButton(&m_fixedRadio, FixedId);
    connect(&formatGroup_, &QButtonGroup::idClicked, this, &ResultsPage::OnFormat);
    connect(&m_precisionCombo, &QComboBox::activated, this, &ResultsPage::OnSelchangePrecision);
}

QString ResultsPage::PreviewText(int format, int precision) {
    if (format < FormatAuto || format > FormatFixed) return {};
    const std::optional<std::string> text = FormatResultAs(PreviewSample, format, precision);
    return text ? QString::fromStdString(*text) : QString();
}

void ResultsPage::SetPreview(const QString& text) {
    m_preview.setText(text);
    // The bold face is taller than the template's line, and a precision read
    // from a hand-edited profile can make the text far longer than the
    // template's width: grow around the template's place, never cut.
    const QSize needed = m_preview.sizeHint();
    const int height = std::max(previewPlace_.height(), needed.height());
    m_preview.setGeometry(previewPlace_.x(), previewPlace_.center().y() - height / 2,
                          std::max(previewPlace_.width(), needed.width()), height);
}

int ResultsPage::PreviewFontHeight(int dpiY) { return -(dpiY * 10 / 72); }

bool ResultsPage::OnInitDialog() {
    PropertyPage::OnInitDialog();

    m_pPreviewFont = std::make_unique<QFont>(QStringLiteral("Arial"));
    m_pPreviewFont->setStyleHint(QFont::SansSerif);  // the nearest face where Arial is missing
    m_pPreviewFont->setPixelSize(-PreviewFontHeight(logicalDpiY()));
    m_pPreviewFont->setWeight(QFont::Bold);

    for (int precision = MinPrecision; precision <= MaxPrecision; ++precision)
        m_precisionCombo.addItem(QString::number(precision));
    m_preview.setFont(*m_pPreviewFont);

    m_nFormat = profile_.GetProfileInt(profile::SettingsSection, profile::FormatKey,
                                       profile::DefaultFormat);
    const int precision = profile_.GetProfileInt(profile::SettingsSection, profile::PrecisionKey,
                                                 profile::DefaultPrecision);
    // The page shows what is stored, whatever it is; its style takes only a
    // usable value, as at start-up: a Format of 7 taken over would leave
    // every later output stale, as no text can be made for it.
    style_.TakeUsable(m_nFormat, precision);
    // A hand-edited Precision can be any integer. Past 340 decimals the
    // sample only gains zeros and every negative precision reads as 6, so the
    // clamped value shows the same preview without building a text of
    // gigabytes or overflowing the index.
    m_nPrecisionIndex = std::clamp(precision, -1, MaxPreviewPrecision) - 1;

    SetPreview(PreviewText(m_nFormat, m_nPrecisionIndex + 1));
    if (m_nFormat == FormatAuto) m_precisionCombo.setEnabled(false);

    UpdateData(false);
    return true;
}

void ResultsPage::DoDataExchange(bool saveAndValidate) {
    if (saveAndValidate) {
        m_nPrecisionIndex = m_precisionCombo.currentIndex();
        const int checked = formatGroup_.checkedId();
        m_nFormat = checked == -1 ? -1 : checked - AutoFormatId;
        return;
    }
    m_precisionCombo.setCurrentIndex(
        m_nPrecisionIndex >= 0 && m_nPrecisionIndex < m_precisionCombo.count() ? m_nPrecisionIndex
                                                                               : -1);
    // An exclusive group never lets its last checked button go: open it up
    // to leave no mode selected when the stored Format is out of range.
    formatGroup_.setExclusive(false);
    for (QAbstractButton* button : formatGroup_.buttons())
        button->setChecked(formatGroup_.id(button) - AutoFormatId == m_nFormat);
    formatGroup_.setExclusive(true);
}

void ResultsPage::OnFormat(int id) {
    const int precision = m_precisionCombo.currentIndex() + 1;
    const int format = id - AutoFormatId;
    if (format == FormatAuto)
        m_precisionCombo.setEnabled(false);
    else if (format == FormatScientific || format == FormatFixed)
        m_precisionCombo.setEnabled(true);
    SetPreview(PreviewText(format, precision));
}

void ResultsPage::OnSelchangePrecision() {
    UpdateData(true);
    OnFormat(AutoFormatId + m_nFormat);
}

void ResultsPage::OnOK() {
    UpdateData(true);
    SaveResultSettings(profile_, m_nFormat, m_nPrecisionIndex + 1);
    style_.TakeUsable(m_nFormat, m_nPrecisionIndex + 1);
}
