#pragma once

#include <ostream>
#include <string>
#include <utility>
#include <vector>

#include "common/Result.h"
#include "dataset/CamPacData.h"
#include "editors/ModelEditor.h"

// Hand-written vectors of a family's record, transcribed from its record description:
// bytes -> the value a page shows -> an entry -> the bytes it writes, and the refusals.
using RecordBytes = std::vector<std::pair<int, Byte>>;

struct ListedField {
    std::string key;
    RecordBytes stored;
    std::string shown;
    std::string entry;
    RecordBytes written;  // every other byte of the record stays as it was
};
std::ostream& operator<<(std::ostream& out, const ListedField& f);
ListedField Listed(std::string key, RecordBytes stored, std::string shown, std::string entry,
                   RecordBytes written);
using Rows = std::vector<ListedField>;
// The rows of a page that a program or type code brings: the code's bytes go into the
// record before each row's own.
Rows OnPage(const RecordBytes& code, Rows rows);

// A refused entry: text 219 with its name and range, another numbered text, or (text -1)
// the program's own message; nothing of the group is written but what `written` holds (a
// timer may have written its first part).
struct RefusedEntry {
    std::string key;
    std::string entry;
    int text;
    std::string name;  // the name of text 219, or the whole message of text -1
    long long min = 0;
    long long max = 0;
    RecordBytes stored = {};
    std::string subject = {};  // the field that failed, when not the one entered
    RecordBytes written = {};
};
std::ostream& operator<<(std::ostream& out, const RefusedEntry& r);
RefusedEntry Refused(std::string key, std::string entry, int text, std::string name,
                     long long min = 0, long long max = 0, RecordBytes stored = {},
                     std::string subject = {}, RecordBytes written = {});
// The field exchange's prompt for a number outside its range.
std::string Between(int min, int max);

// Model 0 of a data set in edit mode. Entries go in as the command line and the pages put
// them: the field's group is committed with the other fields as they show.
class RecordEditing {
  public:
    RecordEditing(CamPacData data, const EditorFamily& family, int recordSize);

    ModelRecord Slot();
    std::vector<Byte> SlotBytes();
    void Put(const RecordBytes& bytes);
    std::string Shown(const std::string& key);
    Status Enter(const std::string& key, const std::string& text);

    // The vector holds: the field shows its value, the entry writes exactly its bytes.
    void ExpectListed(const ListedField& f);
    // The entry is refused as the vector says and nothing is written.
    void ExpectRefused(const RefusedEntry& r);

    CamPacData data;
    ModelEditor editor;
    std::vector<Message> warnings;  // the groups' warnings after a write, in order

  private:
    int recordSize_;
};
