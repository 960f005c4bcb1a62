// The main window: the browser of AstOrb.dat records, its command buttons and the popup menu of
// its value labels. Its controls are its own; tests and other owners reach them by object name.
#pragma once

#include "app/controls.h"
#include "app/qt_text.h"
#include "app/seams.h"
#include "app/settingsstore.h"
#include "astorb/database.h"
#include "astorb/diacriticals.h"
#include "astorb/display.h"
#include "infobox/infobox.h"
#include "infobox/parameters.h"
#include "lists/scan.h"
#include "search/search.h"

#include <QWidget>

#include <array>
#include <exception>
#include <memory>
#include <optional>
#include <utility>

class QAction;
class QButtonGroup;
class QCheckBox;
class QGroupBox;
class QLineEdit;
class QMenu;
class QPushButton;
class QScrollBar;

namespace quorvane::app {

class TfrmQuorvane : public QWidget, public RecordLabels {
    Q_OBJECT

public:
    explicit TfrmQuorvane(const WindowSeams& seams = {}, QWidget* parent = nullptr);
    ~TfrmQuorvane() override;

    // Lays the window out, reads the remembered folders, opens AstOrb.dat or asks for it, then
    // loads Diacriticals.txt. Runs once, before the window is first shown.
    void FormShow();

    // Opens folder/AstOrb.dat, else folder/AstOrb.dat.gz (either in any letter case): false,
    // nothing changed, when there is neither. A first reading of a .gz shows its progress; when
    // the user cancels it the result is true all the same (the file is there, so start-up does
    // not ask for another) and nothing has changed: the open database, if any, stays on show.
    bool OpenAstOrb(const QString& folder);

    // RecordLabels: where the display writes.
    void SetValueText(ValueLabel label, const std::string& cp1252) override;
    void SetNameUnicode(const std::u16string& text) override;
    void SetDiameterBox(const std::string& cp1252) override;
    AstOrbDatabase& Database() { return database_; }
    const DiacriticalNames* Names() const { return names_ ? &*names_ : nullptr; }

    // Runs a command the way every handler runs: an error ends it and goes to the general
    // error report; nothing crosses the event loop.
    template <typename F> void Guarded(F&& command) {
        try {
            command();
        } catch (...) {
            ReportCurrentError();
        }
    }

protected:
    // The window's frame is known once it shows, or with a window manager once it is first
    // activated: it must fit on the screen as well.
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;

private slots:
    void scbBrowserChange(int position);
    void actBrowseForAstOrbExecute();
    void actBrowseForDiacriticalsExecute();
    // The click handler of both infobox buttons, each connected with the language it writes.
    void btnWikiFRClick(InfoboxLanguage language);
    void btnSpecialClick();
    void rgpTypeClick(int index);
    void btnFamilyClick();
    void scrToleranceChange(int position);
    void btnExtractNamesClick();
    void Button1Click();
    void edtDiameterExit();
    void edtAlbedoExit();
    void edtDensityExit();
    void mnuPopupPopup();
    void actCopyExecute();
    void actFindExecute();
    void actFindAgainExecute();
    void actFindAgainBackwardExecute();

private:
    // Which file-selection command is running.
    struct BrowseTarget {
        QString valueName;
        FileDialogSettings* dialog = nullptr;
    };

    // How an opening ended.
    enum class Opening { NoFile, Opened, Cancelled };
    // Which way F3 and Shift+F3 search.
    enum class FindDirection { Forward, Backward };

    // The window's components, made and connected in creation order (frm_controls.cpp).
    void CreateControls();
    void CreateFrame();
    void CreateCommands();
    void CreatePopupMenu();
    void CreateLabels();
    void CreateInputs();
    void ArrangeKeyboard();
    void LayOut();
    void FitToControls();
    Opening OpenAstOrbIn(const QString& folder);
    // The folder of the open AstOrb.dat, else the one the AstOrb.dat dialog last showed.
    QString AstOrbFolder() const;
    void RunFileCommand(void (TfrmQuorvane::*before)(), void (TfrmQuorvane::*accept)(),
                        FileDialogSettings& dialog);
    void actBrowseForFolderAstOrbBeforeExecute();
    void actBrowseForFolderDiacriticalsBeforeExecute();
    void actBrowseForFolderAstOrbAccept();
    void actBrowseForFolderDiacriticalsAccept();
    void PrepareFileDialog();
    void SaveChosenFolder();
    void LoadNames(const QString& folder);
    void ShowPopupMenu(QLabel* label, const QPoint& globalPosition);
    void ReportCurrentError();
    QLabel* ValueLabelWidget(ValueLabel label) const;
    SearchContext MakeSearchContext();
    // F3 or Shift+F3 as the search commands run them: nothing while the again entries are
    // disabled; else the wait cursor, the search, then the browser moved to the record found or
    // "No more occurrences.".
    void RunFindNext(FindDirection direction);
    // Sets the browser position; the display of the record there raises its error here.
    void MoveBrowser(int position);
    // Runs a change of the browser's position or range: the display of the record it moves to
    // raises its error here, for the command to handle, instead of reporting it at once.
    template <typename F> void ChangeBrowser(F&& change) {
        browserChanging_ = true;
        displayError_ = nullptr;
        change();
        browserChanging_ = false;
        if (displayError_) {
            std::rethrow_exception(std::exchange(displayError_, nullptr));
        }
    }
    // The program's own messages, caption "Quorvane"; texts are UTF-8.
    void Inform(const std::string& text);
    bool AskYesNo(const std::string& text);
    // The clipboard: 8-bit text and lists decoded from Windows-1252, or Unicode text.
    void SetText(const std::string& cp1252);
    void TakeList(ListText&& list);
    void SetUnicodeText(const std::u16string& text);
    // The browser as a scan starts from it.
    BrowserRange Range() const;
    // Runs a whole-database scan command; one clicked while another scan lets messages run
    // (between family passes, during the name list) is ignored.
    template <typename F> void RunScan(F&& scan);
    // Applies a scan's outcome: the browser moves (a display error ends the command there),
    // the record read last, the error. False when the scan did not finish.
    bool ApplyMoves(const ScanOutcome& outcome);
    // ApplyMoves, then the clipboard and the message.
    void ApplyOutcome(ScanOutcome& outcome);
    void ShowSearchState();

    WindowSeams seams_;
    std::unique_ptr<QtFileDialogs> ownFileDialogs_;
    std::unique_ptr<QtMessageBoxes> ownMessageBoxes_;
    std::unique_ptr<QtTextPrompt> ownTextPrompt_;
    std::unique_ptr<QtProgressDialogs> ownProgressDialogs_;
    SettingsStore settings_;

    AstOrbDatabase database_;
    std::optional<DiacriticalNames> names_;
    BrowseTarget browseTarget_;
    FileDialogSettings astOrbDialog_;
    FileDialogSettings diacriticalsDialog_;
    bool browserChanging_ = false;
    std::exception_ptr displayError_;
    QLabel* popupComponent_ = nullptr;
    SearchState search_;
    bool autoSize_ = false;
    QRect browserLaidOut_; // the browser where the layout put it, before it was docked
    bool activatedOnce_ = false;
    bool scanRunning_ = false;

    // The components, named as in the window's design; each one's object name is its name. The
    // captions, which nothing changes once made, have no member.
    ClientArea* client = nullptr;
    QAction* actCopy = nullptr;
    QAction* actFind = nullptr;
    QAction* actFindAgain = nullptr;
    QAction* actFindBackward = nullptr;
    QAction* actBrowseForAstOrb = nullptr;
    QAction* actBrowseForDiacriticals = nullptr;
    QMenu* mnuPopup = nullptr;
    QAction* mnuFindAgain = nullptr;
    QAction* mnuFindAgainBackward = nullptr;
    QLabel* lblAstOrbPathVal = nullptr;
    std::array<QLabel*, kValueLabelCount> valueLabels{};
    QLabel* lblNameUnicodeVal = nullptr;
    QLabel* lblTolerance = nullptr;
    QLabel* lblOtherDiameter = nullptr;
    QLabel* lblAlbedo = nullptr;
    QLabel* lblDensity = nullptr;
    QScrollBar* scbBrowser = nullptr;
    QPushButton* btnBrowse = nullptr;
    QPushButton* btnWikiFR = nullptr;
    QPushButton* btnWikiEN = nullptr;
    QPushButton* btnSpecial = nullptr;
    QPushButton* btnFamily = nullptr;
    QScrollBar* scrTolerance = nullptr;
    QCheckBox* chkNumbered = nullptr;
    QGroupBox* rgpPlanet = nullptr;
    QButtonGroup* rgpPlanetItems = nullptr;
    QGroupBox* rgpType = nullptr;
    QButtonGroup* rgpTypeItems = nullptr;
    QLineEdit* edtDiameter = nullptr;
    QLineEdit* edtAlbedo = nullptr;
    QLineEdit* edtDensity = nullptr;
    QPushButton* Button1 = nullptr;
    QPushButton* btnDiacriticals = nullptr;
    QPushButton* btnExtractNames = nullptr;
};

} // namespace quorvane::app
