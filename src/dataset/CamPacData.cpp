#include "dataset/CamPacData.h"

#include <algorithm>

#include "dataset/DataSetTexts.h"

ModelSlotTable::ModelSlotTable() : bytes_(static_cast<size_t>(kMaxModels) * kSlotSize) {}

std::span<Byte> ModelSlotTable::Slot(int model) {
    if (model < 0 || model >= kMaxModels) {
        return {};
    }
    return std::span<Byte>(bytes_).subspan(static_cast<size_t>(model) * slotSize_, slotSize_);
}

std::span<const Byte> ModelSlotTable::Slot(int model) const {
    if (model < 0 || model >= kMaxModels) {
        return {};
    }
    return std::span<const Byte>(bytes_).subspan(static_cast<size_t>(model) * slotSize_, slotSize_);
}

void ModelSlotTable::LoadModelSlots(std::span<const Byte> image, int firstModelOffset,
                                    int modelCount, int modelSize) {
    const int wanted = std::max(kSlotSize, modelSize);
    if (wanted != slotSize_) {
        slotSize_ = wanted;
        bytes_.assign(static_cast<size_t>(kMaxModels) * slotSize_, 0);
    }
    const int count = std::clamp(modelCount, 0, kMaxModels);
    for (int i = 0; i < count; ++i) {
        CopyBytes(Slot(i), 0, image, static_cast<size_t>(firstModelOffset) + i * modelSize,
                  modelSize);
    }
}

void ModelSlotTable::StoreModelSlots(std::span<Byte> image, int firstModelOffset, int modelCount,
                                     int modelSize) const {
    const int count = std::clamp(modelCount, 0, kMaxModels);
    for (int i = 0; i < count; ++i) {
        CopyBytes(image, static_cast<size_t>(firstModelOffset) + i * modelSize, Slot(i), 0,
                  modelSize);
    }
}

namespace {

void ApplyGeometry(CamPacData& data, const TransmitterCatalogue& catalogue) {
    const TransmitterType& entry = catalogue.Entry(data.typeIndex);
    data.modelCount = entry.ModelCountFor(data.imageSize);
    data.modelSize = entry.modelSize;
    data.firstModelOffset = entry.firstModelOffset;
    if (data.modelCount > 0) {
        data.modelSlots.LoadModelSlots(data.image, data.firstModelOffset, data.modelCount,
                                       data.modelSize);
    }
    data.currentModel = 0;
}

}  // namespace

std::optional<Message> IdentifyFromImage(CamPacData& data, const TransmitterCatalogue& catalogue) {
    data.typeIndex = catalogue.IndexOfCode(BigEndian16(data.image, 2));
    data.typeName = std::string(catalogue.Entry(data.typeIndex).typeName);
    std::optional<Message> warning;
    const int sizeCode = BigEndian16(data.image, 0);
    if (sizeCode == 0 || sizeCode != SizeCodeOf(data.imageSize)) {
        warning = Message::Numbered(txt::kSizeCodeMismatch, {}, MessageIcon::Warning);
    }
    ApplyGeometry(data, catalogue);
    return warning;
}

void IdentifyFromName(CamPacData& data, const TransmitterCatalogue& catalogue) {
    data.typeIndex = catalogue.IndexOfName(data.typeName);
    ApplyGeometry(data, catalogue);
}

void ResetDataSet(CamPacData& data, const TransmitterCatalogue& catalogue, bool clearComments) {
    data.image.fill(kErasedByte);
    if (clearComments) {
        for (auto& comment : data.modelComments) {
            comment.clear();
        }
        data.dataSetComment.clear();
    }
    data.typeName.clear();
    data.imageSize = 0;
    data.state = DataSetState::None;
    data.displayPath.clear();
    data.filePath.clear();
    data.fileName = "noname";
    IdentifyFromName(data, catalogue);
}

// Paths are UTF-8: the cut counts characters, so it never falls inside one.
std::string DisplayPathOf(const std::string& fullPath) {
    constexpr int kShown = 30;
    std::size_t start = fullPath.size();
    int characters = 0;
    while (start > 0 && characters < kShown) {
        --start;
        if ((static_cast<unsigned char>(fullPath[start]) & 0xC0) != 0x80) {
            ++characters;
        }
    }
    if (start == 0) {
        return fullPath;
    }
    return "..." + fullPath.substr(start);
}
