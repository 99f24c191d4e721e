#include "pages/printing/PrintContent.h"

#include <algorithm>

#include "common/Cp1252.h"
#include "dataset/CamPacData.h"
#include "dataset/ModelDirectory.h"
#include "pages/printing/PrintTexts.h"
#include "shell/LanguageTable.h"

namespace {

// The CamPac size in kbit, as the printouts name it: an 8192-byte CamPac is "64k".
std::string SizeInKbit(const CamPacData& data) {
    return std::to_string(data.imageSize / 128) + "k";
}

std::string ModelCommentOf(const CamPacData& data, int model) {
    if (model < 0 || model >= static_cast<int>(data.modelComments.size())) {
        return {};
    }
    return Cp1252ToUtf8(data.modelComments[static_cast<std::size_t>(model)]);
}

}  // namespace

PageHeading PageHeadingFor(const CamPacData& data, const LanguageTable& language, int model) {
    return {"CamPac " + SizeInKbit(data) + "  " + data.typeName,
            language.GetText(txt::kPrintDataSetComment) + Cp1252ToUtf8(data.dataSetComment),
            language.GetText(txt::kPrintModelComment) + ModelCommentOf(data, model)};
}

ModelListContent ModelListFor(const CamPacData& data, const LanguageTable& language,
                              int numberingStart) {
    ModelListContent content;
    content.title =
        language.GetText(txt::kPrintModelListTitle) + SizeInKbit(data) + "     " + data.typeName;
    content.comment = Cp1252ToUtf8(data.dataSetComment);
    content.columns = {language.GetText(txt::kPrintColumnNumber),
                       language.GetText(txt::kPrintColumnName),
                       language.GetText(txt::kPrintColumnComment)};
    const std::vector<std::string> lines = FillModelList(data, numberingStart);
    for (int model = 0; model < static_cast<int>(lines.size()); ++model) {
        content.rows.push_back(
            {lines[static_cast<std::size_t>(model)], ModelCommentOf(data, model)});
    }
    return content;
}

std::vector<int> RowsPerSheet(int rowCount, int printableHeight) {
    using namespace listsheet;
    const int below = printableHeight - kFirstRowY - kTextHeight;
    const int fitting = below < 0 ? 1 : below / kRowPitch + 1;
    std::vector<int> sheets;
    do {
        const int rows = std::min(rowCount, fitting);
        sheets.push_back(rows);
        rowCount -= rows;
    } while (rowCount > 0);
    return sheets;
}
