#pragma once

#include "scenes/dmx_sheet_reader.h"

#include <QGroupBox>
#include <QList>

class QLineEdit;
class QPushButton;
class QRadioButton;
class QSpinBox;
class dmx_sheet_record_class;
struct dmx_sheet_kind;
enum class message_icon;

// The "Import / Export" group of the scene and the mask page's Copying tab: a range of
// scenes or masks is written to a DMX sheet, or a sheet is read and its columns stored into
// scenes or masks, moved by a relocation.
//
// The page owns the group (a child of its Copying tab), connects the group's controls to
// its own slots impOrExport(), browseImpExp(), chooseFile() and migrate(), which run the
// functions of the same name here, and redraws itself when the group has stored a sheet.
// The group's boxes belong to the page.
class dmx_sheet_group : public QGroupBox
{
    Q_OBJECT

public:
    dmx_sheet_group(const dmx_sheet_kind &kind, QWidget *page, QWidget *copyingTab);
    ~dmx_sheet_group() override;

    // --- Widgets --------------------------------------------------------------------------
    QRadioButton *sheetImportRadio = nullptr;
    QRadioButton *sheetExportRadio = nullptr;
    QLineEdit *sheetFileEdit = nullptr;
    QPushButton *sheetBrowseButton = nullptr;
    QPushButton *sheetChooseButton = nullptr;
    QSpinBox *sheetFrom = nullptr;   // 1-based numbers
    QSpinBox *sheetTo = nullptr;
    QSpinBox *sheetRelocation = nullptr;
    QPushButton *sheetActionButton = nullptr;

    // --- The sheet read -------------------------------------------------------------------
    // Columns of the last sheet read, sorted by number; owned.
    QList<dmx_sheet_record_class *> sheetRecords;
    // The rows of that sheet that were passed over: storing leaves their fields alone.
    dmx_sheet_rows_passed_over sheetPassedOver;

    // Sets the group to the direction its radio buttons choose and drops what was read.
    void impOrExport();
    // Picks the file with a file dialog, then makes the group ready as chooseFile() does.
    void browseImpExp();
    // Export: ready when a file is named. Import: reads the sheet.
    void chooseFile();
    // Writes the sheet, or stores the records read.
    void migrate();

signals:
    // Records were written into the configuration: the page shows them.
    void sheetStored();

private:
    void createWidgets();
    bool importing() const;
    void dropRecords();
    void exportSheet();
    bool confirmColumns(int from, int &to);
    void readSheet();
    void showRecordsRange();
    void storeSheet();
    void storeRecord(const dmx_sheet_record_class &record, int target);
    // The outcome of a read or an import, with a line on the rows passed over.
    QString withRowsPassedOver(const QString &outcome) const;
    void tell(message_icon icon, const QString &title, const QString &text);

    // The page's texts.
    QString exportTitle() const;
    QString importTitle() const;
    QString saveDialogTitle() const;

    const dmx_sheet_kind &kind;
    QWidget *page;
    // The last name the save dialog gave: it asked before naming an existing file, so an
    // export to it does not ask again.
    QString replaceConfirmedFile;
};
