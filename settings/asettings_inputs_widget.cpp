#include "settings/asettings_inputs_widget.h"

#include "link/kd620_controller_class.h"
#include "model/image_access.h"
#include "model/image_layout.h"
#include "model/input_type.h"
#include "settings/asettings_inputs_delegate.h"
#include "widgets/page_base.h"
#include "widgets/table_setup.h"

#include <QHeaderView>
#include <QStandardItemModel>

namespace {

constexpr int InputRows = int(image_layout::InputCount);

} // namespace

asettings_inputs_widget::asettings_inputs_widget(QWidget *parent)
    : QTableView(parent)
{
    setFont(page_base::listFont());
    page_base::useNormalWeight(this);
    inputsModel = new QStandardItemModel(InputRows, ColumnCount, this);
    inputsModel->setHorizontalHeaderLabels({tr("Input", "column name"), tr("Input Type", "column name"),
                                            tr("Description", "column name")});
    // Set up before it gets its rows: a row header still shown would measure every row number.
    table_setup setup;
    setup.geometry = QRect(10, 20, 820, 570);
    setup.stretchLastColumn = false;
    setup.showHorizontalHeader = true;
    setup.showVerticalHeader = false;
    setup.editTriggers = editTriggers();  // the view's own
    setUpTable(this, setup);
    setModel(inputsModel);
    // The delegate lives as long as the tab page, like the table.
    typeDelegate = new asettings_inputs_delegate(parent);
    setItemDelegate(typeDelegate);
    setColumnWidth(InputColumn, 90);
    setColumnWidth(TypeColumn, 120);
    setColumnWidth(DescriptionColumn, 590);
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
    for (int input = 0; input < InputRows; ++input) {
        const u32 offset = image_layout::inputType(u32(input));
        const i32 stored = readI32(image, offset);
        const input_type type = inputTypeFromStored(stored);
        if (type != stored)
            writeI32(image, offset, type);
        inputsModel->setData(inputsModel->index(input, InputColumn), tr("Input %1").arg(input + 1));
        inputsModel->setData(inputsModel->index(input, TypeColumn), typeText(type));
        inputsModel->setData(inputsModel->index(input, DescriptionColumn),
                             currentController->inputDescs[size_t(input)]);
    }
}
