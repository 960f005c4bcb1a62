// The progress of a long opening (the first reading of an AstOrb.dat.gz), shown in a dialog
// with a Cancel button, behind an interface that tests answer.
#pragma once

#include <QString>

#include <cstdint>
#include <memory>

class QWidget;

namespace quorvane::app {

// One long step's progress, on show until the object goes.
class ProgressReport {
public:
    virtual ~ProgressReport() = default;
    // Shows `done` of `total` and lets pending window messages run; false once the user has
    // asked to cancel.
    virtual bool Update(std::uint64_t done, std::uint64_t total) = 0;
};

class ProgressDialogs {
public:
    virtual ~ProgressDialogs() = default;
    // Starts the progress of one long step described by `label`.
    virtual std::unique_ptr<ProgressReport> Begin(QWidget* parent, const QString& label) = 0;
};

// The real dialog: caption "Quorvane", a Cancel button, modal to its window, and shown only
// when the step lasts longer than half a second, so that a quick one never flashes it.
class QtProgressDialogs : public ProgressDialogs {
public:
    std::unique_ptr<ProgressReport> Begin(QWidget* parent, const QString& label) override;
};

} // namespace quorvane::app
