#pragma once

#include <array>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "common/Bytes.h"
#include "common/Message.h"
#include "dataset/TransmitterCatalogue.h"

inline constexpr int kImageCapacity = 8192;
inline constexpr int kMaxModels = 140;
inline constexpr int kSlotSize = 489;
inline constexpr int kDataSetCommentLength = 200;
inline constexpr int kModelCommentLength = 40;
inline constexpr Byte kErasedByte = 0xFF;

enum class DataSetState : int { None = 0, Unchanged = 1, Changed = 2, Editing = 3 };

// Working copies of the models that editors and model operations change before they go
// back into the image. A slot holds the whole record of its model: 489 bytes, or more for
// a type whose records are larger, so no record is ever cut or copied past a slot.
class ModelSlotTable {
  public:
    ModelSlotTable();

    std::span<Byte> Slot(int model);
    std::span<const Byte> Slot(int model) const;
    int SlotSize() const { return slotSize_; }

    // Copies each model's record from the image into its slot.
    void LoadModelSlots(std::span<const Byte> image, int firstModelOffset, int modelCount,
                        int modelSize);
    // Writes each slot back to its model's place in the image.
    void StoreModelSlots(std::span<Byte> image, int firstModelOffset, int modelCount,
                         int modelSize) const;

  private:
    int slotSize_ = kSlotSize;
    std::vector<Byte> bytes_;
};

// The one data set of a run: a CamPac image with its type, geometry and comments.
struct CamPacData {
    std::array<Byte, kImageCapacity> image{};
    int imageSize = 0;
    std::string typeName;
    int typeIndex = TransmitterCatalogue::kUnknownIndex;
    int firstModelOffset = 0;
    int modelCount = 0;
    int modelSize = 0;
    std::string dataSetComment;                         // Windows-1252 bytes
    std::array<std::string, kMaxModels> modelComments;  // Windows-1252 bytes
    ModelSlotTable modelSlots;
    int currentModel = 0;
    DataSetState state = DataSetState::None;
    std::string fileName = "noname";
    std::string displayPath;
    // The CamPac file the data set was loaded from or last saved to; empty for a data set
    // that came from elsewhere (read, new, import), which no plain save may overwrite.
    std::string filePath;

    CamPacData() { image.fill(kErasedByte); }

    std::span<const Byte> Image() const { return {image.data(), static_cast<size_t>(imageSize)}; }
    bool HasModels() const { return modelCount > 0; }
};

// Finds the type from image bytes 2-3, derives the geometry for `imageSize` and loads the
// slots. Returns the warning to show when the size code in bytes 0-1 does not fit.
std::optional<Message> IdentifyFromImage(CamPacData& data, const TransmitterCatalogue& catalogue);
// The same from `typeName`, without the size check.
void IdentifyFromName(CamPacData& data, const TransmitterCatalogue& catalogue);
// Empties the data set: erased image, no type, state 0, "noname".
void ResetDataSet(CamPacData& data, const TransmitterCatalogue& catalogue, bool clearComments);

// "..." and the last 30 characters of a path longer than 30, else the path.
std::string DisplayPathOf(const std::string& fullPath);
