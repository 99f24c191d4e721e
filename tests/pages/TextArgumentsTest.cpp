#include <gtest/gtest.h>

#include <vector>

#include "common/TextFormat.h"
#include "dataset/ModelTexts.h"
#include "pages/PageTexts.h"
#include "pages/printing/PrintTexts.h"
#include "shell/LanguageTable.h"
#include "support/TestFiles.h"

namespace {

// Every numbered text of the model operations and the pages takes, in every language, the
// arguments its constant names: a text that expects other arguments would show garbage.
const std::vector<NumberedText> kTexts{
    txt::kUnknownV2Kind,     txt::kNoModelsForSize,      txt::kNoModelSelected,
    txt::kOutOfRange,        txt::kModelsEqual,          txt::kModelsDiffer,
    txt::kNoSuchModel,       txt::kModelCopied,          txt::kNotAModelFile,
    txt::kCommentTooLong,    txt::kNumberingOutOfRange,  txt::kPromptCompareWith,
    txt::kPromptCopyTo,      txt::kPromptNumberingStart, txt::kConfirmResetModel,
    txt::kConfirmExpertMode, txt::kPromptFillValue,      txt::kPromptFillAddress,
    txt::kConfirmErase,      txt::kConfirmLoadModelFile, txt::kNoModelToLoadInto,
    txt::kPreviewType,       txt::kPreviewModelSize,     txt::kPreviewComment,
    txt::kPreviewFileDate,   txt::kTooltipKeepComments,  txt::kTooltipModelComment,
    txt::kTooltipSavePage,
};
const std::vector<NumberedText> kPrintTexts{
    txt::kPrintCaptureFailed, txt::kPrintJobFailed,      txt::kPrintDataSetComment,
    txt::kPrintModelComment,  txt::kPrintColumnNumber,   txt::kPrintColumnName,
    txt::kPrintColumnComment, txt::kPrintModelListTitle,
};

TEST(TextArguments, EveryLanguageTakesTheArgumentsOfTheConstant) {
    LanguageTable language(LanguageSourceFolder());
    for (int index = 1; index <= LanguageTable::kLanguageCount; ++index) {
        ASSERT_TRUE(language.LoadLanguage(index)) << index;
        for (const auto* texts : {&kTexts, &kPrintTexts}) {
            for (const NumberedText& numbered : *texts) {
                const auto text = language.Lookup(numbered.number);
                ASSERT_TRUE(text.has_value()) << numbered.number;
                EXPECT_EQ(ConversionLetters(*text), numbered.arguments)
                    << "text " << numbered.number << " in " << LanguageTable::LanguageName(index);
            }
        }
    }
}

}  // namespace
