#include "app/figure_preview.h"

#include <QBoxLayout>
#include <QButtonGroup>
#include <QDialogButtonBox>
#include <QPushButton>
#include <QRadioButton>
#include <QSvgRenderer>
#include <QSvgWidget>

namespace quorvane::app {

namespace {

// The figure at four fifths of its page (1200 x 560) to begin with: the whole dialog then fits
// a 1024 x 768 screen. A smaller screen shrinks the dialog down to the smallest figure.
constexpr QSize kFigureStart{960, 448};
constexpr QSize kFigureSmallest{240, 112};

// A figure drawn as large as the widget allows with its proportions kept, centred.
class FigureView : public QSvgWidget {
public:
    explicit FigureView(QWidget* parent) : QSvgWidget(parent) {
        renderer()->setAspectRatioMode(Qt::KeepAspectRatio);
        setMinimumSize(kFigureSmallest);
        setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    }
    QSize sizeHint() const override { return kFigureStart; }
};

} // namespace

FigurePreview::FigurePreview(QWidget* parent) : ScreenFitted<QDialog>(parent) {
    setObjectName(QStringLiteral("frmFigure"));
    setWindowTitle(QStringLiteral("Family figure"));
    setSizeGripEnabled(true);

    figure_ = new FigureView(this);
    figure_->setObjectName(QStringLiteral("svgFigure"));

    english_ = new QRadioButton(QStringLiteral("&English"), this);
    english_->setObjectName(QStringLiteral("rbnEnglish"));
    french_ = new QRadioButton(QStringLiteral("&Français"), this);
    french_->setObjectName(QStringLiteral("rbnFrench"));
    english_->setChecked(true);
    auto* languages = new QButtonGroup(this);
    languages->addButton(english_);
    languages->addButton(french_);
    connect(languages, &QButtonGroup::buttonToggled, this,
            [this](QAbstractButton* button, bool on) {
                const FigureLanguage chosen =
                    button == french_ ? FigureLanguage::French : FigureLanguage::English;
                // ShowFigure selects the language it shows: that is no choice of the user's.
                if (on && chosen != language_) {
                    emit languageChosen(chosen);
                }
            });

    auto* buttons = new QDialogButtonBox(this);
    QPushButton* save =
        buttons->addButton(QStringLiteral("&Save..."), QDialogButtonBox::ActionRole);
    save->setObjectName(QStringLiteral("btnSave"));
    QPushButton* copy =
        buttons->addButton(QStringLiteral("Copy &image"), QDialogButtonBox::ActionRole);
    copy->setObjectName(QStringLiteral("btnCopy"));
    QPushButton* close = buttons->addButton(QDialogButtonBox::Close);
    close->setObjectName(QStringLiteral("btnClose"));
    connect(save, &QPushButton::clicked, this, &FigurePreview::saveClicked);
    connect(copy, &QPushButton::clicked, this, &FigurePreview::copyClicked);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* row = new QHBoxLayout;
    row->addWidget(english_);
    row->addWidget(french_);
    row->addStretch();
    row->addWidget(buttons);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(figure_, 1);
    layout->addLayout(row);
}

void FigurePreview::ShowFigure(FigureLanguage language, const QByteArray& svg) {
    language_ = language;
    svg_ = svg;
    (language == FigureLanguage::French ? french_ : english_)->setChecked(true);
    figure_->load(svg_);
}

} // namespace quorvane::app
