// The Details group: a copy of the selected row's main fields.

#include "app/velloran.h"
#include "app/velloranform.h"

void Velloran::fillDetailPanel(int row)
{
    setDetailValuesVisible(true);
    // Table column of each value widget, in the order of the form's details rows.
    using namespace vlog;
    static const int kColumns[15] = {ColCode, ColAxisNo, ColDate,  ColTime,  ColProgram,
                                     ColStep, ColFunction, ColAxis1, ColAxis2, ColAxis3,
                                     ColAxis4, ColAxis5,  ColAxis6, ColAxis7, ColAxis8};
    for (int i = 0; i < 15; ++i) {
        const QTableWidgetItem *item = ui->tableWidget->item(row, kColumns[i]);
        if (!item)
            continue;
        QWidget *value = ui->detailValues[i];
        if (auto *button = qobject_cast<QAbstractButton *>(value))
            button->setText(item->text());
        else if (auto *label = qobject_cast<QLabel *>(value))
            label->setText(item->text());
    }
}
