#include "results_page.h"

#include <algorithm>

#include "mixed_format.h"
#include "profile_keys.h"
#include "profile_records.h"
#include "result_format.h"

namespace {

constexpr int AutoFormatId = 1036;
constexpr int ScientificId = 1037;
constexpr int FixedId = 1038;

// The fractions offered for inches, as the combo lists them.
constexpr int InchFractions[] = {2, 4, 8, 16, 32, 64};

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
      m_mixedUnitsCheck(tr("Mixed units: feet and inches, pounds, hours, degrees")),
      m_inchFractionLabel(tr("Inches to the nearest")),
      profile_(profile),
      style_(style) {
    Place(m_formatFrame, -1, "m_formatFrame", 7, 7, 235, 148);
    Place(m_autoRadio, AutoFormatId, "m_autoRadio", 17, 28, 52, 10);
    Place(m_scientificRadio, ScientificId, "m_scientificRadio", 17, 42, 45, 10);
    Place(m_fixedRadio, FixedId, "m_fixedRadio", 17, 56, 33, 10);
    Place(m_precisionLabel, -1, "m_precisionLabel", 135, 57, 70, 8);
    PlaceDropDown(m_precisionCombo, 1049, "m_precisionCombo", 209, 55, 22, 91);
    Place(m_mixedUnitsCheck, -1, "m_mixedUnitsCheck", 17, 70, 213, 10);
    Place(m_inchFractionLabel, -1, "m_inchFractionLabel", 29, 85, 80, 8);
    PlaceDropDown(m_inchFractionCombo, -1, "m_inchFractionCombo", 111, 83, 34, 91);
    Place(m_previewFrame, -1, "m_previewFrame", 17, 98, 213, 49);
    Place(m_preview, 1050, "m_preview", 30, 118, 190, 8);
    m_formatFrame.lower();
    m_previewFrame.lower();
    previewPlace_ = m_preview.geometry();
    m_precisionCombo.setAccessibleName(tr("Decimal precision"));
    m_precisionLabel.setBuddy(&m_precisionCombo);
    m_inchFractionCombo.setAccessibleName(tr("Inches to the nearest"));
    m_inchFractionLabel.setBuddy(&m_inchFractionCombo);
    for (int fraction : InchFractions)
        m_inchFractionCombo.addItem(QStringLiteral("1/%1").arg(fraction));
    // The preview is named by nothing but the value it shows ("123.46"), as
    // a screen reader reads a label; the frame around it says what it is.

    formatGroup_.addButton(&m_autoRadio, AutoFormatId);
    formatGroup_.addButton(&m_scientificRadio, ScientificId);
    formatGroup_.addButton(&m_fixedRadio, FixedId);
    connect(&formatGroup_, &QButtonGroup::idClicked, this, &ResultsPage::OnFormat);
    connect(&m_precisionCombo, &QComboBox::activated, this, &ResultsPage::OnSelchangePrecision);
    connect(&m_mixedUnitsCheck, &QCheckBox::toggled, this, [this] {
        m_inchFractionCombo.setEnabled(m_mixedUnitsCheck.isChecked());
        UpdatePreview();
    });
    connect(&m_inchFractionCombo, &QComboBox::activated, this, [this] { UpdatePreview(); });
}

QString ResultsPage::MixedPreviewText(int format, int precision, int inchFraction) {
    if (!IsUsableFormat(format)) return {};
    // The sample taken as feet (12 inches) and as hours (3600 seconds).
    const double feet[] = {12, 1};
    const std::string_view feetLabels[] = {"ft", "in"};
    const double hours[] = {3600, 60, 1};
    const std::string_view hourLabels[] = {"h", "min", "s"};
    const std::string length =
        WriteMixed(PreviewSample * 12, feet, feetLabels, {{format, precision}, inchFraction});
    const std::string time =
        WriteMixed(PreviewSample * 3600, hours, hourLabels, {{format, precision}, 0});
    return QString::fromStdString(length + "   " + time);
}

MixedUnitsSetting ResultsPage::ShownMixedUnits() const {
    const int index = m_inchFractionCombo.currentIndex();
    return {m_mixedUnitsCheck.isChecked(),
            index >= 0 ? InchFractions[index] : storedMixedUnits_.inchFraction};
}

void ResultsPage::UpdatePreview() {
    const int checked = formatGroup_.checkedId();
    OnFormat(checked == -1 ? AutoFormatId - 1 : checked);
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

    storedMixedUnits_ = LoadMixedUnitsSetting(profile_);
    for (int i = 0; i < static_cast<int>(std::size(InchFractions)); ++i)
        if (InchFractions[i] == storedMixedUnits_.inchFraction)
            m_inchFractionCombo.setCurrentIndex(i);
    m_mixedUnitsCheck.setChecked(storedMixedUnits_.on);
    m_inchFractionCombo.setEnabled(storedMixedUnits_.on);

    SetPreview(PreviewWithMixedUnits(m_nFormat, m_nPrecisionIndex + 1));
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
    SetPreview(PreviewWithMixedUnits(format, precision));
}

QString ResultsPage::PreviewWithMixedUnits(int format, int precision) const {
    QString text = PreviewText(format, precision);
    if (m_mixedUnitsCheck.isChecked() && !text.isEmpty())
        text +=
            QLatin1Char('\n') + MixedPreviewText(format, precision, ShownMixedUnits().inchFraction);
    return text;
}

void ResultsPage::OnSelchangePrecision() {
    UpdateData(true);
    OnFormat(AutoFormatId + m_nFormat);
}

void ResultsPage::OnOK() {
    UpdateData(true);
    SaveResultSettings(profile_, m_nFormat, m_nPrecisionIndex + 1);
    // Written only when changed: a profile that never used the option keeps
    // the bytes it had.
    const MixedUnitsSetting shown = ShownMixedUnits();
    if (shown.on != storedMixedUnits_.on || shown.inchFraction != storedMixedUnits_.inchFraction)
        SaveMixedUnitsSetting(profile_, shown);
    m_mixedUnits = shown;
    style_.TakeUsable(m_nFormat, m_nPrecisionIndex + 1);
}
