#include "Ff9DataSet.h"

#include <string>

#include "editors/ff9/Ff9DefaultBlocks.h"

CamPacData Ff9DataSet(const std::vector<Byte>& record) {
    constexpr int kImageSize = 2048;
    constexpr int kFirstModel = 10;
    CamPacData data;
    data.imageSize = kImageSize;
    data.image.fill(0);
    data.image[1] = 3;  // size code of 2048 bytes
    data.image[2] = 0x07;
    data.image[3] = 0x01;  // FF9
    for (int model = 0; model < 6; ++model) {
        CopyBytes(data.image, static_cast<std::size_t>(kFirstModel + model * kFf9RecordSize),
                  record, 0, kFf9RecordSize);
    }
    const TransmitterCatalogue catalogue;
    IdentifyFromImage(data, catalogue);
    data.state = DataSetState::Unchanged;
    return data;
}

std::vector<Byte> Ff9Record(int typeByte) {
    std::vector<Byte> record(kFf9RecordSize, 0);
    record[3] = static_cast<Byte>(typeByte);
    const std::string name = "MODEL   ";
    for (std::size_t i = 0; i < name.size(); ++i) {
        record[4 + i] = static_cast<Byte>(name[i]);
    }
    for (int rate = 22; rate <= 25; ++rate) {
        record[static_cast<std::size_t>(rate)] = 4;  // trim rates take 1 to 40
    }
    const ff9::ModelFamily family = typeByte == 0  ? ff9::ModelFamily::Aeroplane
                                    : typeByte < 3 ? ff9::ModelFamily::Glider
                                                   : ff9::ModelFamily::Helicopter;
    CopyBytes(record, ff9::kTypeBlockOffset, ff9::DefaultTypeBlock(family), 0, ff9::kTypeBlockSize);
    return record;
}
