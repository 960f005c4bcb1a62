#include "app/program.h"

#include "app/clipboard_keeper.h"
#include "app/tfrmquorvane.h"
#include "astorb/numbers.h"

#include <QApplication>
#include <QLocale>

namespace quorvane::app {

int RunQuorvane(QApplication& application) {
    const QString point = QLocale::system().decimalPoint();
    const NumberFormat regional{point.size() == 1 && point[0].unicode() < 128
                                    ? static_cast<char>(point[0].unicode())
                                    : '.'};
    int status = 0;
    {
        TfrmQuorvane window;
        window.SetNumberFormat(regional);
        window.FormShow();
        window.show();
        status = application.exec();
    }
    KeepClipboardAfterClose();
    return status;
}

} // namespace quorvane::app
