#pragma once

#include <array>
#include <string>
#include <vector>

struct CamPacData;
class LanguageTable;

// What the printouts say, in UTF-8, apart from where it goes on the sheet.

// The three lines above the picture of a printed editor page: the CamPac size in kbit and
// the type, the data set's comment and the printed model's comment, each after its text.
struct PageHeading {
    std::string title;
    std::string dataSetComment;
    std::string modelComment;
};
PageHeading PageHeadingFor(const CamPacData& data, const LanguageTable& language, int model);

// The printed model list: a title with the CamPac size and type, the data set's comment,
// three column headings and one row per model (its line as the model list shows it, and
// its comment).
struct ModelListRow {
    std::string line;
    std::string comment;
};
struct ModelListContent {
    std::string title;
    std::string comment;
    std::array<std::string, 3> columns;
    std::vector<ModelListRow> rows;
};
ModelListContent ModelListFor(const CamPacData& data, const LanguageTable& language,
                              int numberingStart);

// Where the model list goes on a sheet, in tenths of a millimetre from the top-left corner
// of the printable area (y downwards); positions are those of the texts' top edges.
namespace listsheet {
inline constexpr int kFoldMarkLength = 40;  // a short line at half the sheet's height
inline constexpr int kTitleX = 90;
inline constexpr int kTitleY = 90;
inline constexpr int kCommentY = 130;
inline constexpr int kColumnY = 210;
inline constexpr std::array<int, 3> kColumnX{110, 190, 430};
inline constexpr std::array<int, 3> kRuleY{250, 255, 256};
inline constexpr int kRuleLeft = 90;
inline constexpr int kRuleRightInset = 10;  // the rules end this far before the right edge
inline constexpr int kFirstRowY = 290;
inline constexpr int kRowPitch = 40;
inline constexpr int kTitleHeight = 40;
inline constexpr int kTitleWidth = 20;
inline constexpr int kTextHeight = 30;
inline constexpr int kTextWidth = 15;
}  // namespace listsheet

// The rows of the model list on each sheet: as many as fit below the column headings of a
// sheet whose printable area is this many tenths of a millimetre high, and at least one
// per sheet. No sheet for a list without rows but the one that carries the headings.
std::vector<int> RowsPerSheet(int rowCount, int printableHeight);
