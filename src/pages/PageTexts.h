#pragma once

#include "common/NumberedText.h"

// Numbered texts of the fixed pages.
namespace txt {
// Get-data page.
inline constexpr NumberedText kGroupNewFile{20, ""};
inline constexpr NumberedText kGroupLoadFile{21, ""};
inline constexpr NumberedText kGroupReadCamPac{22, ""};
inline constexpr NumberedText kLabelChooseType{23, ""};
inline constexpr NumberedText kLabelCamPacSize{24, ""};
inline constexpr NumberedText kButtonNewImage{25, ""};
inline constexpr NumberedText kExplainNewImage{26, ""};
inline constexpr NumberedText kButtonLoad{27, ""};
inline constexpr NumberedText kButtonLastFile{28, ""};
inline constexpr NumberedText kButtonImport{29, ""};
inline constexpr NumberedText kExplainLoad{30, ""};
inline constexpr NumberedText kButtonRead{31, ""};
inline constexpr NumberedText kButtonCompare{32, ""};
inline constexpr NumberedText kCheckKeepComments{33, ""};
inline constexpr NumberedText kExplainRead{34, ""};
inline constexpr NumberedText kExplainCompare{35, ""};
inline constexpr NumberedText kStatusChoose{36, ""};
inline constexpr NumberedText kTooltipKeepComments{84, ""};
// The CamPac sizes a new image is offered in.
inline constexpr NumberedText kSize4k{545, ""};
inline constexpr NumberedText kSize8k{546, ""};
inline constexpr NumberedText kSize16k{547, ""};
inline constexpr NumberedText kSize64k{548, ""};
// Models page.
inline constexpr NumberedText kTooltipModelComment{114, ""};
inline constexpr NumberedText kTooltipMoveUp{115, ""};
inline constexpr NumberedText kTooltipMoveDown{116, ""};
inline constexpr NumberedText kTooltipSaveAll{117, ""};
inline constexpr NumberedText kTooltipSaveModel{118, ""};
inline constexpr NumberedText kPromptCompareWith{119, "d"};
inline constexpr NumberedText kPromptCopyTo{123, ""};
inline constexpr NumberedText kPreviewType{128, ""};
inline constexpr NumberedText kPreviewModelSize{130, ""};
inline constexpr NumberedText kPreviewComment{131, ""};
inline constexpr NumberedText kPreviewFileDate{132, ""};
inline constexpr NumberedText kInfoModelName{580, ""};
inline constexpr NumberedText kNoModelToLoadInto{134, ""};
inline constexpr NumberedText kConfirmLoadModelFile{135, ""};
inline constexpr NumberedText kPromptNumberingStart{141, ""};
inline constexpr NumberedText kButtonNumbering{143, ""};
inline constexpr NumberedText kButtonCompareWith{144, ""};
inline constexpr NumberedText kButtonSaveAll{145, ""};
inline constexpr NumberedText kButtonSaveModel{146, ""};
inline constexpr NumberedText kButtonCopyTo{147, ""};
inline constexpr NumberedText kButtonLoadModel{148, ""};
inline constexpr NumberedText kButtonPrint{149, ""};
inline constexpr NumberedText kLabelModelComment{150, ""};
inline constexpr NumberedText kLabelModels{151, ""};
inline constexpr NumberedText kButtonResetModel{532, ""};
inline constexpr NumberedText kConfirmResetModel{533, ""};
// Content page.
inline constexpr NumberedText kLabelContent{152, ""};
inline constexpr NumberedText kLabelAddress{153, ""};
inline constexpr NumberedText kLabelDecimal{154, ""};
inline constexpr NumberedText kConfirmExpertMode{536, ""};
inline constexpr NumberedText kPromptFillValue{537, ""};
inline constexpr NumberedText kPromptFillAddress{538, ""};
// Save page.
inline constexpr NumberedText kEraseDataSet{155, ""};
inline constexpr NumberedText kGroupSaveFile{156, ""};
inline constexpr NumberedText kGroupWriteCamPac{157, ""};
inline constexpr NumberedText kButtonSaveFile{158, ""};
inline constexpr NumberedText kExplainErase{160, ""};
inline constexpr NumberedText kExplainEraseEffect{161, ""};
inline constexpr NumberedText kExplainSave{162, ""};
inline constexpr NumberedText kExplainWrite{163, ""};
inline constexpr NumberedText kCheckWriteChangesOnly{164, ""};
inline constexpr NumberedText kConfirmErase{174, ""};
inline constexpr NumberedText kTooltipSavePage{175, ""};
inline constexpr NumberedText kButtonExport{527, ""};
inline constexpr NumberedText kOptionDecimal{528, ""};
inline constexpr NumberedText kOptionHexadecimal{530, ""};
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
}  // namespace literal
