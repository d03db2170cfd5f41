#pragma once
// The Result Format tab: AutoFormat, Scientific or Fixed with 1 to 9
// decimals, and a live preview of the sample 123.4567897689834 in bold Arial.
//
//   mode         precision 3    preview
//   AutoFormat   (not used)     123.45678976898    precision list disabled
//   Scientific   3              1.235e+002
//   Fixed        3              123.457
//
// The page edits copies of the window's result style and mixed-units
// setting, handed to it through the sheet. Showing the tab shows those
// copies; it reads nothing from the profile and writes nothing. Clicks
// change only the preview; OK stores Precision, then Format, and takes the
// usable ones into the style's copy, which the window takes back (Style())
// after the sheet closes with OK. format_ and precisionIndex_ stay -1 while
// the tab was never shown.
//
// Below the precision, "Mixed units" and the inches' fraction, 1/2 to 1/64:
// with the box checked the preview adds the sample as feet and inches and
// as hours. OK stores MixedUnits and InchFraction when either differs from
// what the page was handed, and MixedUnits() then holds them for the window.
//
// "Decimal separator", top right: the language's (the default) or always
// ".". In a language that writes a decimal point both are the same, and the
// list is greyed out with a tooltip that says so. The preview follows the
// list at once; OK stores DecimalPoint only when it changed, and
// DecimalPointChosen() then holds it for the window.
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QFont>
#include <QLabel>
#include <QRadioButton>
#include <memory>

#include "group_frame.h"
#include "mixed_units_setting.h"
#include "profile_store.h"
#include "property_page.h"
#include "result_format.h"

class ResultsPage : public PropertyPage {
    Q_OBJECT
public:
    static constexpr double PreviewSample = 123.4567897689834;

    // Shows `style`, `mixedUnits` and `decimalPoint` (the window's: true
    // when the user chose always "."); OK writes to `profile`.
    ResultsPage(ProfileStore& profile, const ResultStyle& style,
                const MixedUnitsSetting& mixedUnits, bool decimalPoint);

    // The preview for mode `format` (0..2, anything else gives "") and
    // precision `precision`, with a decimal comma when `decimalComma`.
    static QString PreviewText(int format, int precision, bool decimalComma);
    // The sample as feet and inches (to 1/`inchFraction`) and as hours:
    // "123 ft 5 1/2 in   123 h 27 min 24.443 s"; "" for no mode.
    static QString MixedPreviewText(int format, int precision, int inchFraction, bool decimalComma);

    // Pixel height of the preview font: -(dpiY * 10 / 72), the fraction
    // dropped: -13 at 96 dots per inch, -16 at 120.
    static int PreviewFontHeight(int dpiY);

    void OnOK() override;
    // The style as the page leaves it: the window's, changed only by what
    // the page took in.
    const ResultStyle& Style() const { return style_; }
    // The mixed-units setting as the page leaves it: the window's until OK.
    const MixedUnitsSetting& MixedUnits() const { return mixedUnits_; }
    // True when numbers are to be written with "." whatever the language:
    // the window's until OK.
    bool DecimalPointChosen() const { return decimalPoint_; }

    std::unique_ptr<QFont> previewFont_;
    int precisionIndex_ = -1;
    int format_ = -1;

    GroupFrame formatFrame_;  // "Select the format of the results     "
    QRadioButton autoRadio_;
    QRadioButton scientificRadio_;
    QRadioButton fixedRadio_;
    QLabel precisionLabel_;     // "Set decimal precision "
    QComboBox precisionCombo_;  // 1 .. 9
    GroupFrame previewFrame_;   // " Preview "
    QLabel preview_;
    QCheckBox mixedUnitsCheck_;    // "Mixed units: feet and inches, pounds, hours, degrees"
    QLabel inchFractionLabel_;     // "Inches to the nearest"
    QComboBox inchFractionCombo_;  // 1/2 .. 1/64
    QLabel separatorLabel_;        // "Decimal separator"
    QComboBox separatorCombo_;     // the language's, always "."

protected:
    void Populate() override;
    void ShowFields() override;
    void ReadFields() override;

private:
    // A mode was clicked (its id is the format, 0..2; -1 for none).
    void OnFormat(int format);
    void OnPrecisionChosen();
    void SetPreview(const QString& text);
    void UpdatePreview();
    QString PreviewWithMixedUnits(int format, int precision) const;
    MixedUnitsSetting ShownMixedUnits() const;
    // The preview's separator, as the list shows it.
    bool ShownDecimalComma() const;

    QButtonGroup formatGroup_;
    QRect previewPlace_;  // the template's rectangle of the preview, in pixels
    ProfileStore& profile_;
    ResultStyle style_;
    MixedUnitsSetting mixedUnits_;
    bool decimalPoint_;
};
