#include "settings/asettings_inputs_widget.h"

#include "link/kd620_controller_class.h"
#include "model/image_access.h"
#include "model/image_layout.h"
#include "model/input_type.h"

#include <QHeaderView>
#include <QTableWidget>

asettings_inputs_widget::asettings_inputs_widget(QWidget *parent)
    : stand_in_page(tr("Input types and descriptions are shown as the configuration holds them; their editor "
                       "is not built yet."),
                    parent)
{
    table = new QTableWidget(int(image_layout::InputCount), 3, this);
    table->setGeometry(10, 40, 640, 600);
    table->setHorizontalHeaderLabels({tr("Input"), tr("Input Type"), tr("Description")});
    table->horizontalHeader()->setStretchLastSection(true);
    table->verticalHeader()->setDefaultSectionSize(page_base::RowHeight);
    table->setColumnWidth(0, 110);
    table->setColumnWidth(1, 140);
    table->verticalHeader()->hide();
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
}

QString asettings_inputs_widget::typeText(int storedType)
{
    switch (storedType) {
    case InputNormallyOpen: return tr("Normal Open");
    case InputNormallyClosed: return tr("Normal Close");
    default: return tr("Unused");
    }
}

void asettings_inputs_widget::refresh()
{
    u8 *image = currentController->confData;
    for (u32 input = 0; input < image_layout::InputCount; ++input) {
        const u32 offset = image_layout::inputType(input);
        const input_type type = inputTypeFromStored(readI32(image, offset));
        if (type != readI32(image, offset))
            writeI32(image, offset, type);
        const QString texts[] = {tr("Input %1").arg(input + 1), typeText(type),
                                 currentController->inputDescs[input]};
        for (int column = 0; column < 3; ++column)
            table->setItem(int(input), column, new QTableWidgetItem(texts[column]));
    }
}
