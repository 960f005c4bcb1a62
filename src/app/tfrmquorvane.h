// The main window: the browser of AstOrb.dat records, its command buttons and the popup menu of
// its value labels. Its controls are its own; tests and other owners reach them by object name.
#pragma once

#include "app/controls.h"
#include "app/qt_text.h"
#include "app/seams.h"
#include "app/settingsstore.h"
#include "model/model.h"

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

class FigurePreview;

class TfrmQuorvane : public QWidget {
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

    // The model the window is a view of.
    const Model& Workspace() const { return model_; }
    // The number format every command writes and reads its numbers with: the regional one,
    // set at start-up.
    void SetNumberFormat(const NumberFormat& format) { model_.SetNumberFormat(format); }

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
    void btnFigureClick();
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
    // The value label a popup menu was opened on; none for another widget.
    std::optional<ValueLabel> ValueLabelOf(const QLabel* widget) const;
    // F3 or Shift+F3 as the search commands run them: nothing while the again entries are
    // disabled; else the wait cursor, the search, then the record found or "No more
    // occurrences.".
    void RunFindNext(Model::Direction direction);
    // The parameter boxes' texts go to the model as they change.
    void ConnectParameterBoxes();
    // The model's state onto the widgets: the browser, the value labels, the parameter boxes, the
    // enabled commands and the search menu.
    void ShowModel();
    // A command's result as the user sees it: the model's state, then its error (raised for the
    // handler's guard), else the clipboard and the message.
    void Present(CommandResult& result);
    // The program's own messages, caption "Quorvane"; texts are UTF-8.
    void Inform(const std::string& text);
    bool AskYesNo(const std::string& text);
    // The clipboard: Windows-1252 text decoded, or Unicode text.
    void TakeList(ListText&& list);
    void SetUnicodeText(const std::u16string& text);
    // Runs a whole-database scan command; one clicked while another scan lets messages run
    // (between family passes, during the name list) is ignored.
    template <typename F> void RunScan(F&& scan) {
        if (scanRunning_) {
            return;
        }
        Guarded([&] {
            struct Running {
                bool& running;
                explicit Running(bool& flag) : running(flag) { running = true; }
                ~Running() { running = false; }
            } running(scanRunning_);
            scan();
        });
    }
    // The figure preview's commands (frm_figure.cpp), each on the figure of the last family.
    void FigureLanguageChosen(FigurePreview* preview, FigureLanguage language);
    void FigureSave(FigurePreview* preview);
    void FigureCopy(const FigurePreview* preview);

    WindowSeams seams_;
    std::unique_ptr<QtFileDialogs> ownFileDialogs_;
    std::unique_ptr<QtMessageBoxes> ownMessageBoxes_;
    std::unique_ptr<QtTextPrompt> ownTextPrompt_;
    std::unique_ptr<QtProgressDialogs> ownProgressDialogs_;
    SettingsStore settings_;

    Model model_;
    BrowseTarget browseTarget_;
    FileDialogSettings astOrbDialog_;
    FileDialogSettings diacriticalsDialog_;
    FileDialogSettings figureDialog_;
    QLabel* popupComponent_ = nullptr;
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
    QPushButton* btnFigure = nullptr;
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
