#include "FuzzSupport.h"
#include "dataset/DataSetFiles.h"
#include "dataset/TransmitterCatalogue.h"

// A CamPac file (.rom) as Load reads it; a data set that loads is written and read again
// and must come back the same.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const TransmitterCatalogue catalogue;
    CamPacData loaded;
    const DataSetFileRead read = DecodeDataSetFile(InputBytes(data, size), loaded, catalogue);
    if (!read.status) {
        Require(loaded.state == DataSetState::None);
        return 0;
    }
    const std::vector<Byte> written = EncodeDataSetFile(loaded);
    CamPacData again;
    Require(static_cast<bool>(DecodeDataSetFile(written, again, catalogue).status));
    Require(again.typeName == loaded.typeName && again.imageSize == loaded.imageSize);
    Require(EncodeDataSetFile(again) == written);
    return 0;
}
