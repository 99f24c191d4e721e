#include "adapters/TransferEngine.h"

#include "adapters/CamPacAddressing.h"
#include "adapters/TransferTimer.h"
#include "common/TextFormat.h"

namespace {

Message Text(NumberedText numbered) {
    return Message::Numbered(numbered);
}

Message Error(NumberedText numbered) {
    return Message::Numbered(numbered, {}, MessageIcon::Stop);
}

Message ByteStatus(int address, Byte value) {
    return Message::Numbered(txt::kByteStatus,
                             {static_cast<long long>(address), static_cast<long long>(value)});
}

// The module failed on the bus at one of the three acknowledge places of a random read.
bool IsBusError(const Message& failure) {
    return failure.text == txt::kDeviceAddressNotAcknowledged.number ||
           failure.text == txt::kWordAddressNotAcknowledged.number ||
           failure.text == txt::kReadAddressNotAcknowledged.number;
}

}  // namespace

bool TransferEngine::Checkpoint(TransferObserver& observer, int progress, const Timer& timer) {
    observer.SetProgress(progress);
    observer.ShowElapsed(timer.Seconds());
    observer.PumpOneEvent();
    return observer.Running();
}

void TransferEngine::ReadFailureEnding(TransferObserver& observer, bool clearComments) {
    observer.SetRunning(false);
    observer.SetCaption(Text(txt::kReadButtonIdle));
    ResetDataSet(data_, catalogue_, clearComments);
}

TransferOutcome TransferEngine::ReadCamPac(TransferObserver& observer, bool keepComments,
                                           TransferObserver* compareObserver) {
    const int keptSize = data_.imageSize;
    const std::string keptType = data_.typeName;
    if (!observer.Running()) {
        // The button was released while no read runs: nothing to stop, nothing is lost.
        dialogs_.Show(Text(txt::kReadCancelAcknowledged));
        observer.SetCaption(Text(txt::kReadButtonIdle));
        return TransferOutcome::Cancelled;
    }
    observer.ShowLine(TransferLine::Status1, Text(txt::kAddressingAdapter));
    observer.ShowLine(TransferLine::Status2, Message::Literal(""));
    ResetDataSet(data_, catalogue_, !keepComments);

    if (!module_.Connect()) {
        if (module_.kind() == AdapterKind::Lpt) {
            dialogs_.Show(module_.ConnectFailure());
            observer.ShowLine(TransferLine::Status1, Text(txt::kAdapterNotAnswering));
            observer.ShowLine(TransferLine::Status2, Text(txt::kCheckAdapter));
        } else {
            dialogs_.Show(Error(txt::kUsbNotFound));
            observer.ShowLine(TransferLine::Status1, Text(txt::kUsbNotFoundStatus1));
            observer.ShowLine(TransferLine::Status2, Text(txt::kUsbNotFoundStatus2));
        }
        ReadFailureEnding(observer, !keepComments);
        return TransferOutcome::Failed;
    }

    const int size = module_.DetectCamPacSize();
    data_.imageSize = size;
    if (!campac::IsSize(size)) {
        observer.ShowLine(TransferLine::Status1, Text(txt::kSizeNotRecognised));
        observer.ShowLine(TransferLine::Status2, Text(txt::kInsertCamPacAgain));
        module_.Disconnect();
        ReadFailureEnding(observer, true);
        return TransferOutcome::Failed;
    }
    observer.ShowLine(
        TransferLine::Status1,
        Message::Numbered(txt::kCamPacSizeName, {static_cast<long long>(size / 128)}));
    observer.SetCaption(Text(txt::kButtonRunning));
    observer.SetProgressRange(size);
    const Timer timer(clock_);

    const PassResult pass = module_.ReadPass(
        size, {}, false,
        [&](int address, Byte value) {
            data_.image[static_cast<std::size_t>(address)] = value;
            observer.ShowLine(TransferLine::Status2, ByteStatus(address, value));
        },
        [&](int progress) { return Checkpoint(observer, progress, timer); });
    module_.Disconnect();
    if (pass.end == PassEnd::Cancelled) {
        observer.ShowLine(TransferLine::Status2, Text(txt::kCancelled));
        ReadFailureEnding(observer, !keepComments);
        return TransferOutcome::Cancelled;
    }
    if (pass.end == PassEnd::Failed) {
        dialogs_.Show(*pass.failure);
        if (pass.usbTimeout) {
            observer.ShowLine(TransferLine::Status1, Text(txt::kAdapterNotAnswering));
        }
        // Only a module that failed on the bus loses the comments kept for it.
        ReadFailureEnding(observer, IsBusError(*pass.failure) || !keepComments);
        return TransferOutcome::Failed;
    }
    observer.SetProgress(size);
    observer.ShowLine(TransferLine::Status2, Text(txt::kFinished));

    if (std::optional<Message> warning = IdentifyFromImage(data_, catalogue_)) {
        dialogs_.Show(*warning);
    }
    data_.state = DataSetState::Unchanged;
    observer.SetCaption(Text(txt::kReadButtonIdle));
    observer.SetRunning(false);
    if (data_.imageSize != keptSize || data_.typeName != keptType) {
        for (std::string& comment : data_.modelComments) {
            comment.clear();
        }
        data_.dataSetComment.clear();
    }
    if (options_.alwaysCompare) {
        TransferObserver& comparer = compareObserver != nullptr ? *compareObserver : observer;
        comparer.SetRunning(true);
        const CompareResult compared = CompareCamPac(comparer, TransferPage::GetData);
        if (!compared.equal()) {
            dialogs_.Show(Error(txt::kReadDiffersFromCamPac));
        }
    }
    return TransferOutcome::Done;
}

CompareResult TransferEngine::CompareCamPac(TransferObserver& observer, TransferPage page) {
    observer.ClearList();
    CompareResult result;
    if (!observer.Running()) {
        result.outcome = TransferOutcome::Cancelled;
        return result;
    }
    const auto stop = [&] {
        observer.SetRunning(false);
        observer.SetCaption(Text(txt::kCompareButtonIdle));
        module_.Disconnect();
    };
    if (page == TransferPage::GetData && data_.state == DataSetState::None) {
        dialogs_.Show(Error(txt::kNoValidDataSet));
        stop();
        return result;
    }
    observer.ShowLine(TransferLine::Status1, Text(txt::kAddressingAdapter));
    observer.ShowLine(TransferLine::Status2, Message::Literal(""));
    if (!module_.Connect()) {
        dialogs_.Show(module_.ConnectFailure());
        observer.ShowLine(TransferLine::Status1, Text(txt::kAdapterNotAnswering));
        observer.ShowLine(TransferLine::Status2, Text(txt::kCheckAdapter));
        stop();
        return result;
    }
    const int size = module_.DetectCamPacSize();
    if (size != data_.imageSize) {
        dialogs_.Show(Error(txt::kSizesDiffer)
                          .FollowedBy(Message::Numbered(txt::kSizesDifferDetail,
                                                        {static_cast<long long>(data_.imageSize),
                                                         static_cast<long long>(size)})));
        observer.ShowLine(TransferLine::Status1, Text(txt::kSizesDifferStatus1));
        observer.ShowLine(TransferLine::Status2, Text(txt::kSizesDifferStatus2));
        stop();
        return result;
    }
    observer.ShowLine(TransferLine::Status1, Text(txt::kComparing));
    observer.SetCaption(Text(txt::kButtonRunning));
    observer.SetProgressRange(size);
    const Timer timer(clock_);
    int differences = 0;

    const PassResult pass = module_.ReadPass(
        size, {}, true,
        [&](int address, Byte chip) {
            const Byte pc = data_.image[static_cast<std::size_t>(address)];
            observer.ShowLine(TransferLine::Status2, ByteStatus(address, pc));
            if (chip != pc) {
                ++differences;
                observer.AddListLine(Message::Literal(FormatText(
                    literal::kDifferenceLine,
                    {static_cast<long long>(differences), static_cast<long long>(address),
                     static_cast<long long>(pc), static_cast<long long>(chip)})));
            }
        },
        [&](int progress) { return Checkpoint(observer, progress, timer); });
    result.differences = differences;
    if (pass.end == PassEnd::Cancelled) {
        observer.ShowLine(TransferLine::Elapsed, Text(txt::kCancelled));
        stop();
        result.outcome = TransferOutcome::Cancelled;
        return result;
    }
    if (pass.end == PassEnd::Failed) {
        dialogs_.Show(pass.usbTimeout && page == TransferPage::Save
                          ? Error(txt::kUsbNoReadyAnswerSavePage)
                          : *pass.failure);
        stop();
        return result;
    }
    observer.SetProgress(size);
    observer.ShowLine(TransferLine::Status2, Text(txt::kFinished));
    observer.AddListLine(
        Message::Numbered(txt::kCompareSummary, {static_cast<long long>(differences)}));
    stop();
    result.outcome = TransferOutcome::Done;
    return result;
}
