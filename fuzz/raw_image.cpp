#include <algorithm>
#include <array>

#include "FuzzSupport.h"
#include "dataset/ModelDirectory.h"
#include "dataset/TransmitterCatalogue.h"
#include "editors/EditorFamilies.h"
#include "editors/ModelFields.h"

// A raw CamPac image as a read from the module leaves it: the type found from its bytes,
// the model list with the names, and a model of an editor type decoded field by field
// as the describe command shows it. The first input byte chooses the CamPac size, the
// model and the FF9 Super option; the rest is the image.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const TransmitterCatalogue catalogue;
    static constexpr std::array<int, 5> kSizes{256, 512, 1024, 2048, 8192};
    if (size == 0) {
        return 0;
    }
    CamPacData set;
    ResetDataSet(set, catalogue, true);
    set.imageSize = kSizes[(data[0] & 0x7F) % kSizes.size()];
    std::copy_n(data + 1, std::min<std::size_t>(size - 1, set.imageSize), set.image.begin());
    (void)IdentifyFromImage(set, catalogue);
    Require(set.modelCount >= 0 && set.modelCount <= kMaxModels);
    (void)FillModelList(set, 1);
    const EditorFamily* family = EditorFamilyFor(set.typeName, (data[0] & 0x80) != 0);
    if (family == nullptr || set.modelCount == 0) {
        return 0;
    }
    // One model a run: the fields decode the same way in every model, and decoding all of
    // them would take the fuzzer ten times as long for each image.
    const int model = ((data[0] & 0x7F) / static_cast<int>(kSizes.size())) % set.modelCount;
    (void)DescribeModel(*family, set.modelSlots.Slot(model));
    return 0;
}
