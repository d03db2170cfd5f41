#include "results_page.h"

#include <algorithm>

#include "decimal_comma.h"
#include "mixed_format.h"
#include "profile_keys.h"
#include "profile_records.h"
#include "result_format.h"
#include "session_language.h"

namespace {

// The fractions offered for inches, as the combo lists them.
constexpr int InchFractions[] = {2, 4, 8, 16, 32, 64};

// The rows of the decimal separator's list.
constexpr int LanguageSeparatorRow = 0;
constexpr int PointRow = 1;

}  // namespace

ResultsPage::ResultsPage(ProfileStore& profile, const ResultStyle& style,
                         const MixedUnitsSetting& mixedUnits, bool decimalPoint)
    : PropertyPage("resultsPage", tr("Result Format"), 249, 162),
      formatFrame_(tr("Select the format of the results     ")),
      autoRadio_(tr("AutoFormat")),
      scientificRadio_(tr("Scientific")),
      fixedRadio_(tr("Fixed")),
      precisionLabel_(tr("Set decimal precision ")),
      previewFrame_(tr(" Preview ")),
      mixedUnitsCheck_(tr("Mixed units: feet and inches, pounds, hours, degrees")),
      inchFractionLabel_(tr("Inches to the nearest")),
      separatorLabel_(tr("Decimal separator")),
      profile_(profile),
      style_(style),
      mixedUnits_(mixedUnits),
      decimalPoint_(decimalPoint) {
    Place(formatFrame_, "formatFrame", 7, 7, 235, 148);
    Place(autoRadio_, "autoRadio", 17, 28, 52, 10);
    Place(scientificRadio_, "scientificRadio", 17, 42, 45, 10);
    Place(fixedRadio_, "fixedRadio", 17, 56, 33, 10);
    Place(separatorLabel_, "separatorLabel", 92, 29, 60, 8);
    PlaceDropDown(separatorCombo_, "separatorCombo", 155, 27, 76, 40);
    Place(precisionLabel_, "precisionLabel", 135, 57, 70, 8);
    PlaceDropDown(precisionCombo_, "precisionCombo", 209, 55, 22, 91);
    Place(mixedUnitsCheck_, "mixedUnitsCheck", 17, 70, 213, 10);
    Place(inchFractionLabel_, "inchFractionLabel", 29, 85, 80, 8);
    PlaceDropDown(inchFractionCombo_, "inchFractionCombo", 111, 83, 34, 91);
    Place(previewFrame_, "previewFrame", 17, 98, 213, 49);
    Place(preview_, "preview", 30, 118, 190, 8);
    formatFrame_.lower();
    previewFrame_.lower();
    // On a wider sheet the separator's and the precision's lists stay at the
    // frame's right edge, and the mixed-units line and the preview widen.
    StretchBefore(separatorCombo_);
    previewPlace_ = preview_.geometry();
    precisionCombo_.setAccessibleName(tr("Decimal precision"));
    precisionLabel_.setBuddy(&precisionCombo_);
    inchFractionCombo_.setAccessibleName(tr("Inches to the nearest"));
    inchFractionLabel_.setBuddy(&inchFractionCombo_);
    for (int fraction : InchFractions)
        inchFractionCombo_.addItem(QStringLiteral("1/%1").arg(fraction));
    separatorCombo_.setAccessibleName(tr("Decimal separator"));
    separatorLabel_.setBuddy(&separatorCombo_);
    //: %1 is the separator the user's language writes: "," or "."
    separatorCombo_.addItem(
        tr("The language's (%1)").arg(SessionDecimalComma() ? QLatin1Char(',') : QLatin1Char('.')));
    separatorCombo_.addItem(tr("Always \".\""));
    if (!SessionDecimalComma()) {
        // Both rows would write the same: a choice that changes nothing is
        // not offered.
        separatorCombo_.setEnabled(false);
        separatorLabel_.setEnabled(false);
        separatorCombo_.setToolTip(tr("Your language writes a decimal point already."));
        separatorCombo_.setAccessibleDescription(separatorCombo_.toolTip());
    }
    // The preview is named by nothing but the value it shows ("123.46"), as
    // a screen reader reads a label; the frame around it says what it is.

    // Each mode's id is its format.
    formatGroup_.addButton(&autoRadio_, FormatAuto);
    formatGroup_.addButton(&scientificRadio_, FormatScientific);
    formatGroup_.addButton(&fixedRadio_, FormatFixed);
    connect(&formatGroup_, &QButtonGroup::idClicked, this, &ResultsPage::OnFormat);
    connect(&precisionCombo_, &QComboBox::activated, this, &ResultsPage::OnPrecisionChosen);
    connect(&mixedUnitsCheck_, &QCheckBox::toggled, this, [this] {
        inchFractionCombo_.setEnabled(mixedUnitsCheck_.isChecked());
        UpdatePreview();
    });
    connect(&inchFractionCombo_, &QComboBox::activated, this, [this] { UpdatePreview(); });
    connect(&separatorCombo_, &QComboBox::activated, this, [this] { UpdatePreview(); });
}

QString ResultsPage::MixedPreviewText(int format, int precision, int inchFraction,
                                      bool decimalComma) {
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
    // Written as the main window writes its results.
    const std::string both = length + "   " + time;
    return QString::fromStdString(decimalComma ? WithDecimalComma(both) : both);
}

MixedUnitsSetting ResultsPage::ShownMixedUnits() const {
    const int index = inchFractionCombo_.currentIndex();
    return {mixedUnitsCheck_.isChecked(),
            index >= 0 ? InchFractions[index] : mixedUnits_.inchFraction};
}

void ResultsPage::UpdatePreview() { OnFormat(formatGroup_.checkedId()); }

bool ResultsPage::ShownDecimalComma() const {
    return SessionDecimalComma() && separatorCombo_.currentIndex() != PointRow;
}

QString ResultsPage::PreviewText(int format, int precision, bool decimalComma) {
    if (format < FormatAuto || format > FormatFixed) return {};
    const std::optional<std::string> text = FormatResultAs(PreviewSample, format, precision);
    if (!text) return {};
    return QString::fromStdString(decimalComma ? WithDecimalComma(*text) : *text);
}

void ResultsPage::SetPreview(const QString& text) {
    preview_.setText(text);
    // The bold face is taller than the template's line, and the mixed units'
    // line longer than the template's width: grow around the template's
    // place, never cut.
    const QSize needed = preview_.sizeHint();
    const int height = std::max(previewPlace_.height(), needed.height());
    preview_.setGeometry(previewPlace_.x(), previewPlace_.center().y() - height / 2,
                         std::max(previewPlace_.width(), needed.width()), height);
}

int ResultsPage::PreviewFontHeight(int dpiY) { return -(dpiY * 10 / 72); }

void ResultsPage::Populate() {
    previewFont_ = std::make_unique<QFont>(QStringLiteral("Arial"));
    previewFont_->setStyleHint(QFont::SansSerif);  // the nearest face where Arial is missing
    previewFont_->setPixelSize(-PreviewFontHeight(logicalDpiY()));
    previewFont_->setWeight(QFont::Bold);

    for (int precision = MinPrecision; precision <= MaxPrecision; ++precision)
        precisionCombo_.addItem(QString::number(precision));
    preview_.setFont(*previewFont_);

    // The window's own settings, not the profile's: the file may hold what
    // the window did not take, or what another program wrote since.
    format_ = style_.format;
    precisionIndex_ = style_.precision - 1;

    for (int i = 0; i < static_cast<int>(std::size(InchFractions)); ++i)
        if (InchFractions[i] == mixedUnits_.inchFraction) inchFractionCombo_.setCurrentIndex(i);
    mixedUnitsCheck_.setChecked(mixedUnits_.on);
    inchFractionCombo_.setEnabled(mixedUnits_.on);
    separatorCombo_.setCurrentIndex(decimalPoint_ ? PointRow : LanguageSeparatorRow);

    SetPreview(PreviewWithMixedUnits(format_, precisionIndex_ + 1));
    if (format_ == FormatAuto) precisionCombo_.setEnabled(false);

    ShowFields();
}

void ResultsPage::ShowFields() {
    precisionCombo_.setCurrentIndex(
        precisionIndex_ >= 0 && precisionIndex_ < precisionCombo_.count() ? precisionIndex_ : -1);
    if (QAbstractButton* mode = formatGroup_.button(format_)) mode->setChecked(true);
}

void ResultsPage::ReadFields() {
    precisionIndex_ = precisionCombo_.currentIndex();
    format_ = formatGroup_.checkedId();
}

void ResultsPage::OnFormat(int format) {
    const int precision = precisionCombo_.currentIndex() + 1;
    if (format == FormatAuto)
        precisionCombo_.setEnabled(false);
    else if (format == FormatScientific || format == FormatFixed)
        precisionCombo_.setEnabled(true);
    SetPreview(PreviewWithMixedUnits(format, precision));
}

QString ResultsPage::PreviewWithMixedUnits(int format, int precision) const {
    const bool comma = ShownDecimalComma();
    QString text = PreviewText(format, precision, comma);
    if (mixedUnitsCheck_.isChecked() && !text.isEmpty())
        text += QLatin1Char('\n') +
                MixedPreviewText(format, precision, ShownMixedUnits().inchFraction, comma);
    return text;
}

void ResultsPage::OnPrecisionChosen() {
    ReadFields();
    OnFormat(format_);
}

void ResultsPage::OnOK() {
    ReadFields();
    SaveResultSettings(profile_, format_, precisionIndex_ + 1);
    // Written only when changed: a profile that never used the option keeps
    // the bytes it had.
    const MixedUnitsSetting shown = ShownMixedUnits();
    if (shown.on != mixedUnits_.on || shown.inchFraction != mixedUnits_.inchFraction)
        SaveMixedUnitsSetting(profile_, shown);
    mixedUnits_ = shown;
    const bool point = separatorCombo_.currentIndex() == PointRow;
    if (point != decimalPoint_) WriteSwitch(profile_, profile::DecimalPointKey, point);
    decimalPoint_ = point;
    style_.TakeUsable(format_, precisionIndex_ + 1);
}
