#include "FuzzSupport.h"
#include "dataset/DataSetFiles.h"
#include "dataset/ModelDirectory.h"
#include "dataset/ModelFileBrowse.h"
#include "dataset/TransmitterCatalogue.h"

// A model file (.mdl) as the models page loads it into a model and previews its head. The
// first input byte chooses the data set's type and the model; the rest is the file.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) {
        return 0;
    }
    CamPacData set;
    if (!NewDataSetOfType(data[0], set)) {
        return 0;
    }
    const auto file = InputBytes(data + 1, size - 1);
    (void)DecodeModelFileHead(file, set.typeName);
    const int model = (data[0] / kTypesWithRecords) % (set.modelCount + 1);
    const std::string comment = set.modelComments[model % set.modelCount];
    if (!DecodeModelFile(file, model, set)) {
        Require(set.modelComments[model % set.modelCount] == comment);
    }
    return 0;
}
