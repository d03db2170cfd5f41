#pragma once
// The main window.
//
// How the pieces fit, who owns what and the path of a keystroke:
// docs/architecture.md.
//
// How a keystroke becomes an output text: the input field reports each user
// edit (never the program's own writes) to Convert(); Convert maps the
// category and the two selected unit texts back to a catalogue row and two
// positions by exact name, reads the input with the atof rule, converts
// (ConvertValue) and writes FormatResult's text in the window's result
// style and the two unit labels; with the mixed-units option on, feet, inches, pounds, stones,
// hours and degrees are written as everyday_mixed.h says ("5 ft 8 7/8 in"). Selecting another
// category refills both unit lists and converts; selecting a unit converts. Nothing is cached
// between events.
//
// The controls sit where the window's template puts them, in dialog units
// of its font (Verdana 8 or the nearest the machine has):
//
//   (Select quantity) [categoryCombo]
//   +- Select Units ----------------------------------+
//   |      INPUT                  OUTPUT              |
//   |  [inputUnits]             [outputUnits]         |
//   +- Result ----------------------------------------+
//   |  [inputEdit]       =      [outputEdit]          |
//   |  inputUnitLabel           outputUnitLabel       |
//   +-------------------------------------------------+
//
// Each control's objectName is its member's name without the trailing
// underscore ("inputEdit"), each menu item's too ("copyOutputAction").
//
// Three ways out, all through Leave: the close box writes Format, Precision,
// the Visibility flags and LastCategory; File > Exit writes all but
// LastCategory; Esc writes nothing. Enter never ends the window.
#include <QDialog>
#include <QIcon>
#include <QString>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "favourites.h"
#include "find_unit_popup.h"
#include "history_recorder.h"
#include "mixed_units_setting.h"
#include "preferences_listener.h"
#include "result_format.h"
#include "session_language.h"

class Catalogue;
class MezuraApp;
class QAction;
class QCloseEvent;
class QKeyEvent;
class QLabel;
class QLineEdit;
class QMenu;
class QMenuBar;
class QTimer;
class QPushButton;
class DialogUnits;
class NumberInputFilter;
class SortedComboBox;
class SortedListBox;
class WindowRates;

class MainWindow : public QDialog, public PreferencesListener {
    Q_OBJECT
public:
    // Builds the controls and the menu; both fields hold "0". Nothing is read
    // from the profile before Populate. `app` keeps the profile;
    // `catalogue` is the run's, which the profile's custom entries and
    // visibility fill.
    MainWindow(MezuraApp& app, Catalogue& catalogue, QWidget* parent = nullptr);
    ~MainWindow() override;

    // The start-up population: loads the profile (custom categories and
    // units, visibility, format and precision), fills the category list and
    // selects the start category (the remembered one when RememberCategory
    // is "TRUE" and it exists, else entry 0), fills both unit lists with the
    // first entry selected, labels both sides with unit 1, and makes the
    // window topmost at (150, 150) when OnTop is "TRUE" (else it opens
    // centred). Runs no conversion: both fields show "0".
    void Populate();

    // Adds the visible built-in categories and the custom categories in use
    // to the category list; neither empties it first nor selects.
    void FillCategoryList();
    // The category list's selection changed: refill both unit lists, select
    // the first unit on both sides, convert.
    void OnCategoryChosen();
    // Recomputes the output and the two unit labels from the controls.
    void Convert();
    // The Custom page changed the catalogue; the window shows the change:
    //   CategoryAdded    the name joins the category list; nothing else changes
    //   CategoryRemoved  the entry of that name leaves the list; if the window
    //                    showed it, the first listed category is selected,
    //                    filled in and converted
    //   UnitAdded        the category shown is refilled and converted
    //   UnitRemoved      the category of that name is selected (if listed),
    //                    refilled and converted
    // A row outside the catalogue is ignored.
    void OnCatalogueChanged(const CatalogueNotice& notice) override;
    // Options > Preferences: runs the sheet and applies an OK.
    void OnPreferences();
    // Keeps the window above others or not; position and size stay.
    void SetTopmost(bool topmost) override;

    SortedComboBox& CategoryCombo();
    // The exchange rates of the Currency category (after Populate).
    WindowRates& Rates() { return *rates_; }
    // New rates arrived: when Currency is shown its lists are refilled, the
    // selected currencies kept, and the value converted again.
    void OnRatesChanged();

    // Options > Copy output (Alt+C): selects the whole output text and puts
    // it on the clipboard; the selection stays.
    void OnCopyOutput();
    // Options > Calculator (Alt+L): starts the first calculator found on
    // PATH, detached; when there is none, or it cannot start, a message says
    // so (naming the programs looked for).
    void OnCalculator();
    // Help > About: the About box, modal.
    void OnAbout();
    // Options > Find unit (Ctrl+F): the Find unit popup over this window.
    void OnFindUnit();
    // Shows the unit at `position` of catalogue row `row` on `side`, as if
    // the user had picked it: its category first (refilling both lists, when
    // another one is shown), then the unit in that side's list; converts.
    // A row no longer listed changes nothing.
    void PickUnit(int row, int position, UnitSide side);
    // `mezura QUERY` (main_window_start.cpp): shows the conversion a launcher
    // query names ("5 km to mi"; "5 km" alone picks the first suggested
    // target), in a hidden category too, which then joins the list for this
    // run. The profile is written only as the window is left, as ever.
    // Anything that is not a conversion changes nothing.
    void StartOn(std::string_view utf8Query);
    // Options > Swap units (Alt+S): the input and output units change
    // places; converts.
    void OnSwapUnits();
    // The three ways out and what each writes before the window ends.
    enum class Leaving {
        CloseBox,  // the close box, Alt+F4, the window menu's Close: Format,
                   // Precision, the Visibility flags and LastCategory (the
                   // selected category's text, empty when none)
        FileExit,  // the same but LastCategory
        Escape,    // nothing
    };
    // The one place the window ends: the first call writes what `how` says;
    // every call ends the window.
    void Leave(Leaving how);

    // main_window_history.cpp. Options > History (Ctrl+H): the History list.
    void OnHistory();
    // Puts history entry `index` back: its category, units and value. An
    // entry naming something that is gone changes nothing.
    void RestoreHistoryEntry(std::size_t index);
    // The General page's "Keep a history of conversions" and "Clear history".
    void SetHistoryKept(bool kept) override;
    void ClearHistory() override;
    const HistoryRecorder& Recorder() const { return history_; }
    // How long the shown conversion must stay unchanged to be recorded.
    static constexpr int SettleMilliseconds = 2000;

    // main_window_favourites.cpp. Options > Add to favourites (Ctrl+D): pins
    // the shown pair, or unpins it when it is pinned.
    void OnToggleFavourite();
    // Options > Favourites, Ctrl+1 ... Ctrl+9: shows favourite `index`'s
    // category and units, keeping the typed value.
    void ShowFavourite(std::size_t index);
    const Favourites& Favourite() const { return favourites_; }

    const ResultStyle& Style() const { return resultStyle_; }
    const MixedUnitsSetting& MixedUnits() const { return mixedUnits_; }
    // True when the user chose the decimal point whatever the language.
    bool DecimalPointChosen() const { return decimalPointChosen_; }

protected:
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    // Esc and the end of the close processing; writes nothing.
    void reject() override;

private:
    // main_window_layout.cpp: the controls of the template and the menu.
    // Returns how many pixels wider than the template the lists made the
    // client.
    int BuildControls(const DialogUnits& units, QWidget* client);
    QMenuBar* BuildMenu();

    // The user's own changes, as the history hears of them: a typed value
    // waits to be settled; a category or unit change settles what was shown
    // first.
    void OnValueEdited();
    void OnUnitChosen();
    void OnUserCategoryChosen();
    void ChangeSelection(const std::function<void()>& change);
    void RestartSettleTimer();
    // The history file could not be read: one message, a new history.
    void ReportRefusedHistory(const std::string& problem);
    // The shown pair by name; nothing while the lists hold no unit.
    std::optional<UnitPair> ShownPair() const;
    void ShowPair(const UnitPair& pair);
    // The Favourites menu and the Add/Remove item follow the favourites.
    void RebuildFavouritesMenu();
    // "Distance: Kilometers → Miles"
    static QString FavouriteTitle(const UnitPair& pair);
    void UpdateFavouriteAction();
    // After a custom unit or category went: its favourites go too.
    // The favourites of `category` that name what it no longer holds.
    void DropMissingFavourites(const std::string& category);

    // Writes the output field without notifying, and only when its text
    // changes.
    void ShowOutput(const QString& text);
    // Both unit lists hold the units of `slot`, the first entry selected.
    void FillUnitLists(int slot);
    void SetUnitLabels(int slot, int inputIndex, int outputIndex);
    // The Result Format page's decimal separator: `point` for always ".".
    // The typed value keeps its meaning: its separator changes with it.
    void UseDecimalPoint(bool point);
    // The output as mixed units when the option is on and the output unit
    // has a mixed form; nothing otherwise.
    std::optional<std::string> MixedText(int slot, int inputPosition, int outputPosition,
                                         double value) const;

    // The catalogue row whose units the lists hold.
    int shownRow_ = 0;
    // The language the names are shown in; the lists read back the
    // catalogue's own names.
    const NameLanguage names_ = SessionNameLanguage();
    // Results written, and input read, with a decimal comma: in a comma
    // language unless the user chose the point.
    bool decimalComma_ = SessionDecimalComma();
    bool decimalPointChosen_ = false;
    NumberInputFilter* inputFilter_ = nullptr;
    QLabel* outputUnitLabel_ = nullptr;
    QLabel* inputUnitLabel_ = nullptr;
    QLineEdit* outputEdit_ = nullptr;
    QLineEdit* inputEdit_ = nullptr;
    SortedComboBox* categoryCombo_ = nullptr;
    SortedListBox* outputUnits_ = nullptr;
    SortedListBox* inputUnits_ = nullptr;
    QPushButton* hiddenDefault_ = nullptr;  // never shown: takes Enter
    QLabel* ratesDateLine_ = nullptr;       // shown with Currency only
    WindowRates* rates_ = nullptr;
    QIcon icon_;

    QAction* exitAction_ = nullptr;
    QAction* copyOutputAction_ = nullptr;
    QAction* calculatorAction_ = nullptr;
    QAction* preferencesAction_ = nullptr;
    QAction* findUnitAction_ = nullptr;
    QAction* swapUnitsAction_ = nullptr;
    QAction* aboutAction_ = nullptr;
    QAction* historyAction_ = nullptr;
    QAction* favouriteAction_ = nullptr;
    QMenu* favouritesMenu_ = nullptr;

    QTimer* settleTimer_ = nullptr;

    MezuraApp& app_;
    Catalogue& catalogue_;
    // The window's own; the profile's Format and Precision fill it at start,
    // the Result Format page hands back its edited copy on OK.
    ResultStyle resultStyle_;

    // Set once the window is on its way out.
    bool ending_ = false;
    // Feet and inches, pounds, hours and degrees as mixed units: read at
    // start, changed by the Result Format page.
    MixedUnitsSetting mixedUnits_;
    // The conversions settled on, and the pinned pairs (read at start).
    HistoryRecorder history_;
    Favourites favourites_;
};
