#pragma once

#include "common/TextSpec.h"

// Numbered texts of the fixed pages.
namespace txt {
// Get-data page.
inline constexpr TextSpec kGroupNewFile{20, ""};
inline constexpr TextSpec kGroupLoadFile{21, ""};
inline constexpr TextSpec kGroupReadCamPac{22, ""};
inline constexpr TextSpec kLabelChooseType{23, ""};
inline constexpr TextSpec kLabelCamPacSize{24, ""};
inline constexpr TextSpec kButtonNewImage{25, ""};
inline constexpr TextSpec kExplainNewImage{26, ""};
inline constexpr TextSpec kButtonLoad{27, ""};
inline constexpr TextSpec kButtonLastFile{28, ""};
inline constexpr TextSpec kButtonImport{29, ""};
inline constexpr TextSpec kExplainLoad{30, ""};
inline constexpr TextSpec kButtonRead{31, ""};
inline constexpr TextSpec kButtonCompare{32, ""};
inline constexpr TextSpec kCheckKeepComments{33, ""};
inline constexpr TextSpec kExplainRead{34, ""};
inline constexpr TextSpec kExplainCompare{35, ""};
inline constexpr TextSpec kStatusChoose{36, ""};
inline constexpr TextSpec kTooltipKeepComments{84, ""};
// Models page.
inline constexpr TextSpec kTooltipModelComment{114, ""};
inline constexpr TextSpec kTooltipMoveUp{115, ""};
inline constexpr TextSpec kTooltipMoveDown{116, ""};
inline constexpr TextSpec kTooltipSaveAll{117, ""};
inline constexpr TextSpec kTooltipSaveModel{118, ""};
inline constexpr TextSpec kPromptCompareWith{119, "d"};
inline constexpr TextSpec kPromptCopyTo{123, ""};
inline constexpr TextSpec kPreviewType{128, ""};
inline constexpr TextSpec kPreviewModelSize{130, ""};
inline constexpr TextSpec kPreviewComment{131, ""};
inline constexpr TextSpec kPreviewFileDate{132, ""};
inline constexpr TextSpec kNoModelToLoadInto{134, ""};
inline constexpr TextSpec kConfirmLoadModelFile{135, ""};
inline constexpr TextSpec kPromptNumberingStart{141, ""};
inline constexpr TextSpec kButtonNumbering{143, ""};
inline constexpr TextSpec kButtonCompareWith{144, ""};
inline constexpr TextSpec kButtonSaveAll{145, ""};
inline constexpr TextSpec kButtonSaveModel{146, ""};
inline constexpr TextSpec kButtonCopyTo{147, ""};
inline constexpr TextSpec kButtonLoadModel{148, ""};
inline constexpr TextSpec kButtonPrint{149, ""};
inline constexpr TextSpec kLabelModelComment{150, ""};
inline constexpr TextSpec kLabelModels{151, ""};
inline constexpr TextSpec kButtonResetModel{532, ""};
inline constexpr TextSpec kConfirmResetModel{533, ""};
// Content page.
inline constexpr TextSpec kLabelContent{152, ""};
inline constexpr TextSpec kLabelAddress{153, ""};
inline constexpr TextSpec kLabelDecimal{154, ""};
inline constexpr TextSpec kConfirmExpertMode{536, ""};
inline constexpr TextSpec kPromptFillValue{537, ""};
inline constexpr TextSpec kPromptFillAddress{538, ""};
// Save page.
inline constexpr TextSpec kEraseDataSet{155, ""};
inline constexpr TextSpec kGroupSaveFile{156, ""};
inline constexpr TextSpec kGroupWriteCamPac{157, ""};
inline constexpr TextSpec kButtonSaveFile{158, ""};
inline constexpr TextSpec kButtonWrite{159, ""};
inline constexpr TextSpec kExplainErase{160, ""};
inline constexpr TextSpec kExplainEraseEffect{161, ""};
inline constexpr TextSpec kExplainSave{162, ""};
inline constexpr TextSpec kExplainWrite{163, ""};
inline constexpr TextSpec kCheckWriteChangesOnly{164, ""};
inline constexpr TextSpec kConfirmErase{174, ""};
inline constexpr TextSpec kTooltipSavePage{175, ""};
inline constexpr TextSpec kButtonExport{527, ""};
inline constexpr TextSpec kOptionDecimal{528, ""};
inline constexpr TextSpec kOptionHexadecimal{530, ""};
}  // namespace txt

// Literal texts of the pages.
namespace literal {
inline constexpr const char* kAdapterLpt = "LPT\r\n%d";
inline constexpr const char* kAdapterUsb = "USB\r\nAdapt.";
inline constexpr const char* kModelFilter = "Modell Daten(*.mdl)|*.mdl|Alle Dateien(*.*)|*.*||";
inline constexpr const char* kTextFilter = "Text(*.txt)|*.txt|Alle Dateien(*.*)|*.*||";
inline constexpr const char* kFillRange = "\r\n%i - %i";
inline constexpr const char* kExpertMode = "Edit / Expert";
inline constexpr const char* kExplorer = "Explorer";
inline constexpr const char* kPath = "Pfad";
inline constexpr const char* kAscii = "ASCII";
inline constexpr const char* kFileDateFormat = "%d. %B %Y";
}  // namespace literal
