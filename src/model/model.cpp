#include "model/model.h"

#include "astorb/error.h"
#include "lists/family.h"
#include "lists/inclination.h"
#include "lists/names.h"
#include "lists/orbit_type.h"

#include <algorithm>
#include <limits>
#include <utility>

namespace quorvane {

void CommandResult::RaiseError() const {
    if (error) {
        std::rethrow_exception(error);
    }
}

OpenResult Model::OpenAstOrb(const std::string& path, AfterOpen after,
                             const OpenProgress& progress) {
    OpenResult open;
    try {
        if (!database_.ReplaceFile(path, progress)) {
            open.end = OpenEnd::Cancelled;
            open.result.end = CommandEnd::Cancelled;
            open.result.position = browser_.position;
            return open;
        }
    } catch (...) {
        open.result = Raised(std::current_exception(), -1);
        return open;
    }
    open.end = OpenEnd::Opened;
    open.notice = database_.Notice();
    lastFamily_.reset();
    figure_.reset();
    browser_.enabled = true;
    try {
        const std::int64_t count = database_.RecordCount();
        if (count < 1) {
            RaiseScrollBarOutOfRange();
        }
        browser_.maximum =
            static_cast<int>(std::min<std::int64_t>(count - 1, std::numeric_limits<int>::max()));
        browser_.pageStep = std::max(1, browser_.maximum / 20);
        // A shorter file moves the browser back into its range, which shows the record there.
        if (browser_.position > browser_.maximum) {
            MoveTo(browser_.maximum, false);
        }
        if (after == AfterOpen::ShowRecord) {
            MoveTo(browser_.position, true);
        }
    } catch (...) {
        open.result = Raised(std::current_exception(), browser_.position);
        return open;
    }
    recordCommandsEnabled_ = true;
    open.result = Result();
    return open;
}

bool Model::LoadNames(const std::string& folder) {
    return LoadDiacriticals(folder, names_);
}

void Model::MoveTo(int position, bool always) {
    const int target = std::clamp(position, 0, std::max(0, browser_.maximum));
    if (target == browser_.position && !always) {
        return;
    }
    browser_.position = target;
    ShowRecord(database_, Names(), target, display_, parameters_.diameter);
}

CommandResult Model::Browse(int position) {
    return MoveResult(position, false);
}

CommandResult Model::ShowAt(int position) {
    return MoveResult(position, true);
}

CommandResult Model::MoveResult(int position, bool always) {
    try {
        MoveTo(position, always);
    } catch (...) {
        return Raised(std::current_exception(), browser_.position);
    }
    return Result();
}

CommandResult Model::Result() const {
    CommandResult result;
    result.position = browser_.position;
    return result;
}

CommandResult Model::Raised(std::exception_ptr error, std::int64_t record) {
    CommandResult result = Result();
    result.end = CommandEnd::Raised;
    result.error = std::move(error);
    result.errorRecord = record;
    return result;
}

BrowserRange Model::Range() const {
    return {browser_.position, 0, browser_.maximum};
}

CommandResult Model::Apply(ScanOutcome& outcome) {
    const std::size_t moves = outcome.moves.size();
    for (std::size_t k = 0; k < moves; ++k) {
        const int move = outcome.moves[k];
        if (k + 1 == moves && outcome.lastMoveRaises) {
            // The scan found that this record's display raises: it shows up to its flags.
            const int target = std::clamp(move, 0, std::max(0, browser_.maximum));
            browser_.position = target;
            if (database_.ReadRecord(target)) {
                DisplayFields(database_.Current(), Names(), display_);
            }
            return Raised(outcome.error, outcome.errorRecord);
        }
        if (CommandResult moved = MoveResult(move, false); moved.error) {
            return moved;
        }
    }
    if (outcome.readAfterMoves >= 0 && database_.CurrentIndex() != outcome.readAfterMoves) {
        database_.ReadRecord(outcome.readAfterMoves);
    }
    if (outcome.error) {
        return Raised(outcome.error, outcome.errorRecord);
    }
    CommandResult result = Result();
    switch (outcome.end) {
    case ScanEnd::Finished:
        result.end = CommandEnd::Finished;
        break;
    case ScanEnd::ReadFailed:
        result.end = CommandEnd::ReadFailed;
        break;
    case ScanEnd::NoPlanetChosen:
    case ScanEnd::Raised:
        result.end = CommandEnd::NotRun;
        break;
    }
    result.clipboard = std::move(outcome.clipboard);
    result.count = outcome.count;
    result.message = std::move(outcome.message);
    return result;
}

CommandResult Model::Infobox(InfoboxLanguage language) {
    CommandResult result = Result();
    try {
        ParameterBoxes boxes{parameters_, display_.Value(ValueLabel::Diam)};
        const std::optional<std::string> text =
            BuildInfobox(database_, Names(), browser_.position, language, boxes, format_);
        if (!text) {
            result.end = CommandEnd::ReadFailed;
            return result;
        }
        result.clipboard.emplace();
        result.clipboard->Append(*text);
    } catch (...) {
        return Raised(std::current_exception(), browser_.position);
    }
    return result;
}

void Model::SetParameterText(Parameter parameter, std::string cp1252) {
    switch (parameter) {
    case Parameter::Diameter:
        parameters_.diameter = std::move(cp1252);
        break;
    case Parameter::Albedo:
        parameters_.albedo = std::move(cp1252);
        break;
    case Parameter::Density:
        parameters_.density = std::move(cp1252);
        break;
    }
}

void Model::LeaveParameter(Parameter parameter) {
    switch (parameter) {
    case Parameter::Diameter:
        DiameterParameter(parameters_.diameter, display_.Value(ValueLabel::Diam), format_);
        break;
    case Parameter::Albedo:
        AlbedoParameter(parameters_.albedo, format_);
        break;
    case Parameter::Density:
        DensityParameter(parameters_.density, format_);
        break;
    }
}

CommandResult Model::OrbitTypeList(int planetIndex, int typeIndex, bool numberedOnly) {
    const OrbitTypeControls controls{planetIndex, typeIndex, numberedOnly, Range()};
    ScanOutcome outcome = ExtractOrbitTypeList(database_, Names(), controls, format_);
    return Apply(outcome);
}

CommandResult Model::Family(const FamilyControls& controls, const AnotherPass& another) {
    FamilySearch search(database_, browser_.position, format_);
    ScanOutcome start = search.Start(Names(), controls.tolerance);
    CommandResult started = Apply(start);
    if (!started.Finished()) {
        return started;
    }
    for (FamilyControls pass = controls;;) {
        // The names table and the browser are read again for every pass: the messages that ran
        // before it may have changed them.
        ScanOutcome outcome = search.RunPass({pass.tolerance, pass.numberedOnly, Range(), Names()});
        CommandResult ran = Apply(outcome);
        if (!ran.Finished()) {
            return ran;
        }
        const std::optional<FamilyControls> next = another(ran);
        if (!next) {
            break;
        }
        pass = *next;
    }
    ScanOutcome done = search.Finish();
    lastFamily_ = search.Found();
    figure_.reset();
    return Apply(done);
}

CommandResult Model::ExtractNames(const std::function<void()>& letMessagesRun) {
    ScanOutcome outcome = quorvane::ExtractNames(database_, Names(), Range(), [&] {
        letMessagesRun();
        return Names();
    });
    return Apply(outcome);
}

CommandResult Model::HighestInclination(bool numberedOnly) {
    ScanOutcome outcome = ScanHighestInclination(database_, Range(), numberedOnly, format_);
    return Apply(outcome);
}

std::optional<std::string> Model::FamilyFigure(FigureLanguage language) {
    if (!lastFamily_) {
        return std::nullopt;
    }
    if (!figure_) {
        figure_ = CollectFamilyFigure(database_, Names(), *lastFamily_, format_);
        if (!figure_) {
            return std::nullopt;
        }
    }
    return FamilyFigureSvg(*figure_, language);
}

std::string Model::FamilyFigureFileName() const {
    return figure_ ? figure_->seed.name + " family.svg" : std::string();
}

void Model::SearchMenuOpening() {
    quorvane::SearchMenuOpening(search_);
}

std::u16string Model::FindPromptCaption(ValueLabel label) const {
    return SearchPromptCaption(label);
}

SearchContext Model::SearchContextFor(bool numberedOnly) {
    return {database_, Names(), Range(), numberedOnly};
}

bool Model::AcceptFind(ValueLabel label, std::u16string text) {
    return AcceptFindText(search_, label, std::move(text));
}

CommandResult Model::FindAgain(Direction direction, bool numberedOnly) {
    if (!search_.AgainEnabled) {
        CommandResult result = Result();
        result.end = CommandEnd::NotRun;
        return result;
    }
    SearchOutcome outcome = SearchOutcome::NotRun;
    try {
        outcome = direction == Direction::Backwards
                      ? FindPrevious(search_, SearchContextFor(numberedOnly))
                      : FindNext(search_, SearchContextFor(numberedOnly));
    } catch (...) {
        return Raised(std::current_exception(), search_.SearchPosition);
    }
    return SearchResult(outcome);
}

void Model::RepeatSearch(ValueLabel label, std::u16string text) {
    search_.SearchText = std::move(text);
    search_.SearchLabel = label;
    search_.SearchForward = true;
    search_.AgainEnabled = true;
}

CommandResult Model::SearchResult(SearchOutcome outcome) {
    switch (outcome) {
    case SearchOutcome::Found:
        return Browse(search_.SearchPosition);
    case SearchOutcome::NotFound: {
        CommandResult result = Result();
        result.end = CommandEnd::NotFound;
        result.message = std::string(kNoMoreOccurrences);
        return result;
    }
    case SearchOutcome::ReadFailed: {
        CommandResult result = Result();
        result.end = CommandEnd::ReadFailed;
        return result;
    }
    case SearchOutcome::NotRun:
        break;
    }
    CommandResult result = Result();
    result.end = CommandEnd::NotRun;
    return result;
}

CommandResult Model::Copy(ValueLabel label) const {
    CommandResult result = Result();
    result.unicodeClipboard = label == ValueLabel::NameUnicode
                                  ? UnicodeLabelCopyText(display_.nameUnicode)
                                  : LabelCopyText(display_.Value(label));
    return result;
}

} // namespace quorvane
