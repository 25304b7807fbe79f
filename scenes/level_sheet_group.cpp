// The DMX sheet group of the scene and the mask page: built, connected, and its four slots.
#include "scenes/dmx_sheet_group.h"
#include "scenes/dmx_sheet_kind.h"
#include "scenes/level_settings_page.h"

#include <QPushButton>
#include <QRadioButton>

void level_settings_page::createSheetGroup()
{
    sheetBox = new dmx_sheet_group(dmx_sheet_kind::of(kind), this, copyingTab);
}

void level_settings_page::connectSheetGroup()
{
    connect(sheetBox->sheetImportRadio, &QRadioButton::clicked, this, &level_settings_page::impOrExport);
    connect(sheetBox->sheetExportRadio, &QRadioButton::clicked, this, &level_settings_page::impOrExport);
    connect(sheetBox->sheetBrowseButton, &QPushButton::clicked, this, &level_settings_page::browseImpExp);
    connect(sheetBox->sheetChooseButton, &QPushButton::clicked, this, &level_settings_page::chooseFile);
    connect(sheetBox->sheetActionButton, &QPushButton::clicked, this, &level_settings_page::migrate);
    connect(sheetBox, &dmx_sheet_group::sheetStored, this, &level_settings_page::refresh);
}

void level_settings_page::impOrExport()
{
    sheetBox->impOrExport();
}

void level_settings_page::browseImpExp()
{
    sheetBox->browseImpExp();
}

void level_settings_page::chooseFile()
{
    sheetBox->chooseFile();
}

void level_settings_page::migrate()
{
    sheetBox->migrate();
}
