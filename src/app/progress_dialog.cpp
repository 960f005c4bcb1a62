#include "app/progress_dialog.h"

#include "app/screen_fit.h"

#include <QProgressDialog>

#include <algorithm>

namespace quorvane::app {

namespace {

// The bar's steps: byte counts do not fit the bar's int range.
constexpr int kSteps = 1000;

class QtProgressReport : public ProgressReport {
public:
    QtProgressReport(QWidget* parent, const QString& label)
        : dialog_(label, QStringLiteral("Cancel"), 0, kSteps, parent) {
        dialog_.setWindowTitle(QStringLiteral("Quorvane"));
        dialog_.setWindowModality(Qt::WindowModal);
        dialog_.setMinimumDuration(500);
        dialog_.setAutoReset(false);
        dialog_.setAutoClose(false);
        // The half second counts from here.
        dialog_.setValue(0);
    }

    bool Update(std::uint64_t done, std::uint64_t total) override {
        const int step = total == 0 ? 0 : static_cast<int>(std::min(done, total) * kSteps / total);
        // Once the dialog shows, setValue lets the window messages run, the Cancel click too.
        dialog_.setValue(step);
        return !dialog_.wasCanceled();
    }

private:
    ScreenFitted<QProgressDialog> dialog_;
};

} // namespace

std::unique_ptr<ProgressReport> QtProgressDialogs::Begin(QWidget* parent, const QString& label) {
    return std::make_unique<QtProgressReport>(parent, label);
}

} // namespace quorvane::app
