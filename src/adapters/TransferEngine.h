#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "adapters/Clock.h"
#include "adapters/ModuleAccess.h"
#include "adapters/TransferObserver.h"
#include "common/UserDialogs.h"
#include "dataset/CamPacData.h"

// Which page runs a compare: the get-data page refuses to compare without a valid data
// set, and the two pages report a USB timeout with different texts.
enum class TransferPage { GetData, Save };

enum class TransferOutcome { Done, Failed, Cancelled };

struct CompareResult {
    TransferOutcome outcome = TransferOutcome::Failed;
    int differences = 0;
    bool equal() const { return outcome == TransferOutcome::Done && differences == 0; }
};

struct WriteOptions {
    bool onlyChanges = true;
    std::filesystem::path backupFolder;
    std::string timestamp;  // part of the backup's file name, e.g. "20260102-130405"
};

// How a write ended: bytes written, the verify, the backup that restores the module.
struct WriteReport {
    TransferOutcome outcome = TransferOutcome::Failed;
    int bytesWritten = 0;
    int pagesWritten = 0;
    bool verified = false;
    int verifyFailures = 0;
    std::filesystem::path backupPath;
    std::optional<Message> failure;
};

// Moves a whole CamPac between the module and the data set through either adapter:
// size detection, read, compare and write, reporting to an observer.
class TransferEngine {
  public:
    struct Options {
        bool clockFor64k = false;
        bool alwaysCompare = false;
    };

    TransferEngine(CamPacData& data, const TransmitterCatalogue& catalogue, UserDialogs& dialogs,
                   Clock& clock, ModuleAccess& module, Options options)
        : data_(data),
          catalogue_(catalogue),
          dialogs_(dialogs),
          clock_(clock),
          module_(module),
          options_(options) {}

    // 256, 512, 1024, 2048, 8192, or 0 when no size answers.
    int DetectCamPacSize() { return module_.DetectCamPacSize(); }
    // Reads the module into the data set; a failed or cancelled read leaves the data set
    // reset and not valid. With "compare after read" on, `compareObserver` (or the same
    // observer) runs the compare.
    TransferOutcome ReadCamPac(TransferObserver& observer, bool keepComments,
                               TransferObserver* compareObserver = nullptr);
    // Compares the data set with the module, listing every differing byte.
    CompareResult CompareCamPac(TransferObserver& observer, TransferPage page);
    // Writes the data set to the module after keeping the module's content as a backup
    // file, then verifies every written byte.
    WriteReport WriteCamPac(TransferObserver& observer, const WriteOptions& options);

  private:
    class Timer;
    bool Checkpoint(TransferObserver& observer, int progress, const Timer& timer);
    // Clears the running flag and resets the data set, with or without its comments.
    void ReadFailureEnding(TransferObserver& observer, bool clearComments);
    std::optional<std::filesystem::path> SaveBackup(const std::vector<Byte>& module,
                                                    const WriteOptions& options,
                                                    std::string& problem);
    WriteReport WriteEnd(TransferObserver& observer, WriteReport report);

    CamPacData& data_;
    const TransmitterCatalogue& catalogue_;
    UserDialogs& dialogs_;
    Clock& clock_;
    ModuleAccess& module_;
    Options options_;
};
