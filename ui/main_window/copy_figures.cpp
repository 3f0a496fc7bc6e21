#include "ui/main_window/copy_figures.h"

#include "engine/text_forms.h"
#include "ui/common/figure_marks.h"
#include "ui/main_window/control_table.h"
#include "ui/main_window/qt_text.h"

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>

namespace quillet::ui {

QString figures_text(const Controls& c, bool out_of_date, bool paypal_left_out,
                     const NumberConventions& conventions) {
    QString text;
    if (out_of_date)
        text += qstring(out_of_date_line) + u'\n';
    for (const ResultRow& row : results) {
        text += spoken_name(c, row) + u'\t' +
                QString::fromStdString(in_user_form((c.*row.widget)->text().toStdString(),
                                                    conventions, Form::spreadsheet));
        if (paypal_left_out && row.widget == &Controls::txt_paypal_fee)
            text += u'\t' + qstring(paypal_left_out_text);
        text += u'\n';
    }
    return text;
}

QString copied_words(bool out_of_date) {
    return out_of_date ? QStringLiteral("Nine figures copied, out of date")
                       : QStringLiteral("Nine figures copied");
}

void copy_figures(const Controls& c, bool out_of_date, bool paypal_left_out,
                  const NumberConventions& conventions) {
    QApplication::clipboard()->setText(figures_text(c, out_of_date, paypal_left_out, conventions));
}

} // namespace quillet::ui
