#pragma once

struct level_set;

// The DMX sheet: a semicolon-separated text, one row per field and one column per scene or
// mask, which a spreadsheet opens. The scene page and the mask page write and read it alike;
// what tells their sheets apart is named here once.
namespace dmx_sheet_format {
// First lines of the two sheets; either page reads both.
constexpr char SceneHeader[] = "QVR DMX sheet";
constexpr char MaskHeader[] = "Tavrine DMX sheet";
// Row keys.
constexpr char SceneNumberKey[] = "scene";
constexpr char MaskNumberKey[] = "mask";
constexpr char RiseTimeKey[] = "RiseTime";
constexpr char LastTimeKey[] = "LastTime";
constexpr char FallTimeKey[] = "FallTime";
constexpr char ChannelKeyPrefix = 'C';  // C1 .. C512
constexpr char DescriptionKey[] = "desc";
// Spreadsheets of old took 256 columns, the key column included.
constexpr int SpreadsheetValueColumns = 255;
} // namespace dmx_sheet_format

struct dmx_sheet_kind {
    const level_set &set;       // count, image areas and descriptions of the numbers
    bool ofMasks;               // the page's texts speak of masks
    const char *header;         // first line written
    const char *numberKey;      // key of the number row, written and read
    bool writesDuration;        // the export writes the "LastTime" row
    const char *badChannelText; // debug text of a channel key outside 1..512

    static const dmx_sheet_kind &scenes();
    static const dmx_sheet_kind &masks();
    // The sheet of the page that edits a kind of level sets.
    static const dmx_sheet_kind &of(const level_set &set);

    int count() const;
};
