// The preview of a family's figure: the figure drawn to the dialog's size, the choice of its
// language, and the buttons that save it and copy it. It only shows; the window runs what the
// buttons ask for.
#pragma once

#include "app/screen_fit.h"
#include "lists/family_figure.h"

#include <QByteArray>
#include <QDialog>

class QRadioButton;
class QSvgWidget;

namespace quorvane::app {

class FigurePreview : public ScreenFitted<QDialog> {
    Q_OBJECT

public:
    explicit FigurePreview(QWidget* parent);

    // Shows `svg`, the figure in `language`, and selects that language.
    void ShowFigure(FigureLanguage language, const QByteArray& svg);
    FigureLanguage Language() const { return language_; }
    const QByteArray& Svg() const { return svg_; }

signals:
    // The user chose the other language; the figure on show stays until ShowFigure.
    void languageChosen(FigureLanguage language);
    void saveClicked();
    void copyClicked();

private:
    QSvgWidget* figure_ = nullptr;
    QRadioButton* french_ = nullptr;
    QRadioButton* english_ = nullptr;
    FigureLanguage language_ = FigureLanguage::English;
    QByteArray svg_;
};

} // namespace quorvane::app
