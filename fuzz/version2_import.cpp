#include "FuzzSupport.h"
#include "dataset/TransmitterCatalogue.h"
#include "dataset/Version2Import.h"

// A text file of the earlier program generation as the import reads it.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const TransmitterCatalogue catalogue;
    CamPacData set;
    if (DecodeVersion2File(InputBytes(data, size), set, catalogue)) {
        Require(IsCamPacSize(set.imageSize));
        Require(set.dataSetComment.size() <= kDataSetCommentLength);
    } else {
        Require(set.state == DataSetState::None);
    }
    return 0;
}
