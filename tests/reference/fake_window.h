// The stand-in for the main window that the tests, the bench and the fuzz targets share: a view of
// a Model, as the window is. The product's commands run on the model and their results are
// rendered as the window renders them; the plain reference scans drive its ports instead, and
// its browser port moves the model's browser the literal way, so that every record they pass is
// shown. Both are then seen through the same things: the model's browser, display, shared record
// and parameter texts, and the window's log of messages, questions, pumps, clipboard changes,
// cursor changes and enabled state.
#pragma once

#include "model/model.h"
#include "reference/ports.h"

#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quorvane {

class FakeWindow : public Browser,
                   public NumberedOnly,
                   public Messages,
                   public Clipboard,
                   public WaitCursor,
                   public WindowEnabling,
                   public EventPump,
                   public NamesSource,
                   public OrbitTypeChoice,
                   public ToleranceSetting {
public:
    // Opens the AstOrb.dat at `path` as the window does: the file's notice told, then the error
    // of the opening raised, if any.
    void Open(const std::string& path, AfterOpen after = AfterOpen::ShowRecord);
    // Loads folder/Diacriticals.txt; false when there is none.
    bool LoadNames(const std::string& folder) { return model.LoadNames(folder); }

    ScanPorts Ports() {
        return {model.Database(), *this, *this, *this, *this, *this, *this, *this, *this,
                model.Format()};
    }

    // The product's commands as the window runs them: the command of the model, its result then
    // rendered (the error raised, else the clipboard and the message), under the wait cursor
    // where the window shows it.
    CommandEnd RunSpecial();
    // The question of each pass is asked after the pending messages ran; the controls are read
    // again for the next pass.
    CommandEnd RunFamily();
    // The window disabled meanwhile; the pending messages run after every record but the last.
    CommandEnd RunNames();
    CommandEnd RunInclination();
    CommandEnd RunInfobox(InfoboxLanguage language);
    // Find on `label`: the prompt (answered with `findAnswer`) and, once it is confirmed with a
    // text, the search forwards.
    CommandEnd RunFind(ValueLabel label);
    // F3 and Shift+F3: nothing while the again entries are disabled.
    CommandEnd RunFindAgain(Model::Direction direction);

    // What the window shows now, in one line: the browser position, every label, the parameter
    // boxes and the shared record.
    std::string Shown() const;
    // From now on every entry of the log is copied to `into` as it is written, and after each
    // message, question, pump and clipboard change, what the window shows at that moment: the
    // window does not paint while a scan runs, so a move is seen through what it leaves.
    void WatchInto(std::vector<std::string>& into);

    // Browser: the scroll bar moved by the user or a plain scan; the record there is shown when
    // the position changes, and the error of its display raised.
    int Position() const override { return model.Browser().position; }
    int Minimum() const override { return 0; }
    int Maximum() const override { return model.Browser().maximum; }
    void SetPosition(int position) override;

    bool IsNumberedOnly() const override { return numberedOnly; }
    void Inform(const std::string& text) override;
    bool AskYesNo(const std::string& text) override;
    void SetText(const std::string& cp1252) override;
    void SetUnicodeText(const std::u16string& text) override;
    void Show() override;
    void Restore() override;
    void SetWindowEnabled(bool enabled) override;
    // A run of pumps with nothing between them is one entry of the log: the user cannot tell
    // them apart. `pumps` counts every one.
    void ProcessPendingEvents() override;
    const DiacriticalNames* CurrentNames() const override { return model.Names(); }
    int PlanetIndex() const override { return planet; }
    int TypeIndex() const override { return type; }
    int Tolerance() const override { return tolerance; }

    Model model;

    // The controls.
    bool numberedOnly = true;
    int planet = 0;
    int type = 2;
    int tolerance = 10;

    std::deque<bool> answers;                 // no answer left: No
    std::function<void()> onAsk;              // runs as each question comes up, before its answer
    std::optional<std::u16string> findAnswer; // the Find prompt's answer; none cancels it
    // Runs with every entry of the log as it is written (a pump in a run of pumps included).
    std::function<void(std::string_view entry)> watch;

    std::vector<int> browsed; // every position given to the browser, as asked
    std::vector<std::string> informed;
    std::vector<std::string> asked;
    // The record the display shows (its number and name labels) as each message or question
    // comes up.
    std::vector<std::string> shownAtMessages;
    std::vector<std::string> log;
    std::optional<std::string> clipboard; // Windows-1252
    std::optional<std::u16string> unicodeClipboard;
    int cursorShown = 0;
    int cursorRestored = 0;
    bool windowEnabled = true;
    int pumps = 0;
    // The Find prompt as it was last shown.
    int promptsShown = 0;
    std::u16string promptCaption;
    std::u16string promptText;
    std::u16string promptInitialText;

private:
    CommandEnd Present(CommandResult& result);
    void Write(std::string entry);
};

// How the window ends a command whose plain form ended so: the plain scans and the plain search
// end in their own terms, which the comparisons hold against the command's end.
CommandEnd WindowEnd(ScanEnd end);
CommandEnd WindowEnd(SearchOutcome outcome);

} // namespace quorvane
