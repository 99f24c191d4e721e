#include "dataset/ModelDirectory.h"

#include <algorithm>
#include <cstdio>

#include "common/Cp1252.h"
#include "common/TextToInt.h"
#include "dataset/DataSetFiles.h"
#include "dataset/DefaultRecords.h"
#include "dataset/ModelNames.h"
#include "dataset/ModelTexts.h"

namespace {

bool HasModel(const CamPacData& data, int model) {
    return model >= 0 && model < data.modelCount && model < kMaxModels;
}

std::size_t ModelOffset(const CamPacData& data, int model) {
    return static_cast<std::size_t>(data.firstModelOffset) +
           static_cast<std::size_t>(model) * static_cast<std::size_t>(data.modelSize);
}

std::span<Byte> ImageOf(CamPacData& data) {
    return {data.image.data(), static_cast<std::size_t>(data.imageSize)};
}

void StoreSlot(CamPacData& data, int model) {
    CopyBytes(ImageOf(data), ModelOffset(data, model), data.modelSlots.Slot(model), 0,
              static_cast<std::size_t>(data.modelSize));
}

void LoadSlot(CamPacData& data, int model) {
    CopyBytes(data.modelSlots.Slot(model), 0, data.Image(), ModelOffset(data, model),
              static_cast<std::size_t>(data.modelSize));
}

// The number a reset model carries in its name, and where and how the type stores it.
struct NumberInName {
    int base = 0;     // number of model 0
    int offset = 0;   // first digit in the record
    int digits = 0;   // count of digits
    Byte zero = '0';  // code of the digit 0
};

NumberInName NumberInNameOf(std::string_view typeName) {
    if (typeName == "FC18V3    ") {
        return {3, 6, 2, '0'};
    }
    if (typeName == "FC16      ") {
        return {3, 33, 3, 0xB0};
    }
    if (typeName == "FX18V1/2  ") {
        return {1, 2, 2, 0};  // character set 1: the digits are codes 0 to 9
    }
    if (typeName == "FF9       ") {
        return {9, 10, 2, '0'};
    }
    if (typeName == "FF10      ") {
        return {16, 8, 2, '0'};
    }
    return {};
}

void WriteNumber(std::span<Byte> record, const NumberInName& rule, int number) {
    for (int i = rule.digits - 1; i >= 0; --i) {
        const std::size_t position = static_cast<std::size_t>(rule.offset + i);
        if (position < record.size()) {
            record[position] = static_cast<Byte>(rule.zero + number % 10);
        }
        number /= 10;
    }
}

// Name bytes are left out of a comparison: two models that differ only in their names
// are the same setup. This holds for every type with names, the FX18V1/2 (bytes 0-3)
// included; a data set of unknown type has no models to compare.
bool IsNameByte(const NameField& name, int position) {
    return position >= name.offset && position < name.offset + name.length;
}

}  // namespace

std::string ModelName(const CamPacData& data, int model) {
    if (!HasModel(data, model)) {
        return {};
    }
    return DecodeModelName(data.typeName, data.modelSlots.Slot(model));
}

std::string ModelListLine(const CamPacData& data, int model, int numberingStart) {
    char number[32];
    std::snprintf(number, sizeof number, kModelLineFormat, numberingStart + model);
    return number + ModelName(data, model);
}

std::vector<std::string> FillModelList(const CamPacData& data, int numberingStart) {
    std::vector<std::string> lines;
    for (int i = 0; HasModel(data, i); ++i) {
        lines.push_back(ModelListLine(data, i, numberingStart));
    }
    return lines;
}

int MoveModel(CamPacData& data, int model, MoveDirection direction) {
    const int other = direction == MoveDirection::Up ? model - 1 : model + 1;
    if (!HasModel(data, model) || !HasModel(data, other)) {
        return model;
    }
    auto first = data.modelSlots.Slot(model).first(static_cast<std::size_t>(data.modelSize));
    auto second = data.modelSlots.Slot(other).first(static_cast<std::size_t>(data.modelSize));
    std::swap_ranges(first.begin(), first.end(), second.begin());
    StoreSlot(data, model);
    StoreSlot(data, other);
    std::swap(data.modelComments[model], data.modelComments[other]);
    data.state = DataSetState::Changed;
    return other;
}

std::optional<int> ModelIndexOfNumber(const CamPacData& data, std::string_view typed) {
    // The typed number counts from 1; the lowest number of all must not wrap around.
    const long long index = static_cast<long long>(TextToInt(typed)) - 1;
    if (index < 0 || index >= kMaxModels || !HasModel(data, static_cast<int>(index))) {
        return std::nullopt;
    }
    return static_cast<int>(index);
}

Status CopyModel(CamPacData& data, int source, std::string_view typedTarget) {
    const auto target = ModelIndexOfNumber(data, typedTarget);
    if (!target || !HasModel(data, source)) {
        return Message::Numbered(txt::kNoSuchModel, {}, MessageIcon::Warning);
    }
    CopyBytes(data.modelSlots.Slot(*target), 0, data.modelSlots.Slot(source), 0,
              static_cast<std::size_t>(data.modelSize));
    data.modelComments[*target] = data.modelComments[source];
    StoreSlot(data, *target);
    StoreSlot(data, source);
    data.state = DataSetState::Changed;
    return {};
}

Message CopiedMessage() {
    return Message::Numbered(txt::kModelCopied);
}

Result<ModelComparison> CompareModels(const CamPacData& data, int model,
                                      std::string_view typedOther) {
    const auto other = ModelIndexOfNumber(data, typedOther);
    if (!other || !HasModel(data, model)) {
        return Message::Numbered(txt::kOutOfRange, {}, MessageIcon::Warning);
    }
    const NameField name = NameFieldOf(data.typeName);
    const auto first = data.modelSlots.Slot(model);
    const auto second = data.modelSlots.Slot(*other);
    ModelComparison comparison;
    for (int i = 0; i < data.modelSize; ++i) {
        if (!IsNameByte(name, i) && first[i] != second[i]) {
            ++comparison.differences;
        }
    }
    const long long shown = model + 1;
    const long long otherShown = *other + 1;
    comparison.message =
        comparison.differences > 0
            ? Message::Numbered(txt::kModelsDiffer,
                                {shown, otherShown, static_cast<long long>(comparison.differences)})
            : Message::Numbered(txt::kModelsEqual, {shown, otherShown});
    return comparison;
}

bool CanResetModels(const CamPacData& data) {
    return DefaultRecordOf(data.typeName).size() == static_cast<std::size_t>(data.modelSize) &&
           data.modelSize > 0;
}

bool ResetModel(CamPacData& data, int model) {
    if (!CanResetModels(data) || !HasModel(data, model)) {
        return false;
    }
    const auto record = DefaultRecordOf(data.typeName);
    const std::size_t offset = ModelOffset(data, model);
    if (!CopyBytes(ImageOf(data), offset, record, 0, record.size())) {
        return false;
    }
    const NumberInName rule = NumberInNameOf(data.typeName);
    WriteNumber(ImageOf(data).subspan(offset, record.size()), rule, rule.base + model);
    LoadSlot(data, model);
    data.state = DataSetState::Changed;
    return true;
}

Status InitialiseImage(CamPacData& data, const TransmitterCatalogue& catalogue,
                       std::string_view typeName, int imageSize) {
    ResetDataSet(data, catalogue, true);
    data.typeName = std::string(typeName);
    data.imageSize = IsCamPacSize(imageSize) ? imageSize : 0;
    IdentifyFromName(data, catalogue);
    if (data.modelCount == 0 || !CanResetModels(data)) {
        ResetDataSet(data, catalogue, true);
        return Message::Numbered(txt::kNoModelsForSize, {}, MessageIcon::Warning);
    }
    const int typeCode = catalogue.Entry(data.typeIndex).typeCode;
    data.image[0] = 0;
    data.image[1] = static_cast<Byte>(SizeCodeOf(data.imageSize));
    data.image[2] = static_cast<Byte>((typeCode >> 8) & 0xFF);
    data.image[3] = static_cast<Byte>(typeCode & 0xFF);
    for (int i = 0; i < data.modelCount; ++i) {
        ResetModel(data, i);
    }
    IdentifyFromName(data, catalogue);
    data.state = DataSetState::Unchanged;
    return {};
}

Status LoadModelFile(const std::filesystem::path& path, CamPacData& data, int model) {
    if (!HasModel(data, model)) {
        return Message::Numbered(txt::kNoModelSelected, {}, MessageIcon::Warning);
    }
    if (const Status read = ReadModelFile(path, model, data); !read) {
        return read;
    }
    StoreSlot(data, model);
    data.state = DataSetState::Changed;
    return {};
}

Status SetModelComment(CamPacData& data, int model, std::string_view utf8Comment) {
    std::string comment = Utf8ToCp1252(utf8Comment);
    if (comment.size() > static_cast<std::size_t>(kModelCommentLength)) {
        return Message::Numbered(txt::kCommentTooLong, {}, MessageIcon::Warning);
    }
    if (model < 0 || model >= kMaxModels) {
        return Message::Numbered(txt::kNoModelSelected, {}, MessageIcon::Warning);
    }
    // Comments are kept only in the data set file: a changed one is unsaved work like a
    // changed model, so that leaving the data set asks before it is lost.
    if (comment != data.modelComments[model] && data.state == DataSetState::Unchanged) {
        data.state = DataSetState::Changed;
    }
    data.modelComments[model] = std::move(comment);
    return {};
}
