#include <bit>

#include "editors/EditorTexts.h"
#include "editors/FieldCodec.h"
#include "editors/codecs/CodecSupport.h"
#include "editors/codecs/Codecs.h"

namespace codec {
namespace {

class FlagCodec : public FieldCodec {
  public:
    FlagCodec(Byte mask, bool tickedWhenClear) : mask_(mask), tickedWhenClear_(tickedWhenClear) {}

    std::string_view Kind() const override { return "flag"; }
    ShownKind Shown() const override { return ShownKind::CheckMark; }

    FieldValue Decode(const Field& field, ConstModelRecord record) const override {
        const bool set = (ByteAt(record, field.offset) & mask_) != 0;
        return {set != tickedWhenClear_ ? 1 : 0, {}};
    }
    std::string Show(const Field&, const FieldValue& value) const override {
        return std::to_string(value.number);
    }
    Result<FieldValue> Parse(const Field&, std::string_view text) const override {
        const std::string_view word = Trimmed(text);
        if (word != "0" && word != "1" && word != "true" && word != "false") {
            return Prompt(literal::kEnterCheckMark);
        }
        return FieldValue{word == "1" || word == "true" ? 1 : 0, {}};
    }
    void Write(const Field& field, const FieldValue& value, ModelRecord record) const override {
        SetModelBit(record, field.offset, mask_, (value.number != 0) != tickedWhenClear_);
    }
    std::vector<BitRef> OwnedBits(const Field& field) const override {
        return {{field.offset, mask_}};
    }

  private:
    Byte mask_;
    bool tickedWhenClear_;
};

// A list shows its entry's text (or "Code N" for a stored code no entry has) and takes an
// entry by its exact text: an entry that reads "8" is that entry, never entry number 8.
class ListCodec : public FieldCodec {
  public:
    ShownKind Shown() const override { return ShownKind::Text; }

    std::string Show(const Field&, const FieldValue& value) const override {
        const std::vector<std::string> texts = Entries();
        if (value.number >= 0 && static_cast<std::size_t>(value.number) < texts.size()) {
            return texts[static_cast<std::size_t>(value.number)];
        }
        return value.text;
    }

    Result<FieldValue> Parse(const Field& field, std::string_view text) const override {
        const std::vector<std::string> texts = Entries();
        std::string listed;
        for (std::size_t i = 0; i < texts.size(); ++i) {
            if (texts[i] == text) {
                return FieldValue{static_cast<long long>(i), {}};
            }
            listed += (i == 0 ? "" : ", ") + texts[i];
        }
        return WrongEntry(RefusalName(field), std::string(literal::kNotInListTail) + listed);
    }
};

class ChoiceCodec : public ListCodec {
  public:
    ChoiceCodec(const ChoiceList& list, int secondOffset)
        : list_(list), secondOffset_(secondOffset) {}

    std::string_view Kind() const override { return "list"; }

    std::vector<std::string> Entries() const override {
        std::vector<std::string> texts;
        for (const ChoiceEntry& entry : list_.entries) {
            texts.push_back(entry.text);
        }
        return texts;
    }
    std::vector<int> EntryTextNumbers() const override {
        std::vector<int> numbers;
        for (const ChoiceEntry& entry : list_.entries) {
            numbers.push_back(entry.textNumber);
        }
        return numbers;
    }

    FieldValue Decode(const Field& field, ConstModelRecord record) const override {
        const std::uint16_t bits = Pattern(field, record);
        long long best = -1;
        int bestWeight = -1;
        for (std::size_t i = 0; i < list_.entries.size(); ++i) {
            const ChoiceEntry& entry = list_.entries[i];
            std::vector<BitPattern> patterns{entry.read};
            patterns.insert(patterns.end(), entry.alsoRead.begin(), entry.alsoRead.end());
            for (const BitPattern& read : patterns) {
                const int weight = std::popcount(read.care);
                if ((bits & read.care) == read.value && weight > bestWeight) {
                    best = static_cast<long long>(i);
                    bestWeight = weight;
                }
            }
        }
        if (best < 0 && list_.fallback) {
            best = *list_.fallback;
        }
        FieldValue value{best, {}};
        if (best < 0) {
            value.text = std::string(literal::kUnlistedCodePrefix) + std::to_string(Code(bits));
        }
        return value;
    }

    void Write(const Field& field, const FieldValue& value, ModelRecord record) const override {
        if (value.number < 0 || static_cast<std::size_t>(value.number) >= list_.entries.size()) {
            return;
        }
        const BitPattern& write = list_.entries[static_cast<std::size_t>(value.number)].write;
        const auto changed =
            static_cast<std::uint16_t>((Pattern(field, record) & ~write.care) | write.value);
        PutByte(record, field.offset, static_cast<Byte>(changed & 0xFF));
        if (secondOffset_ >= 0) {
            PutByte(record, secondOffset_, static_cast<Byte>(changed >> 8));
        }
    }

    std::vector<BitRef> OwnedBits(const Field& field) const override {
        std::uint16_t care = 0;
        for (const ChoiceEntry& entry : list_.entries) {
            care = static_cast<std::uint16_t>(care | entry.write.care);
        }
        return Split(field, care);
    }

    std::vector<BitRef> WrittenBits(const Field& field, const FieldValue& value) const override {
        if (value.number < 0 || static_cast<std::size_t>(value.number) >= list_.entries.size()) {
            return {};
        }
        return Split(field, list_.entries[static_cast<std::size_t>(value.number)].write.care);
    }

  private:
    // The bits the list's entries write, shifted down to the lowest of them: the code a
    // list of a few bits holds, whatever the other bits of its byte hold.
    std::uint16_t Code(std::uint16_t bits) const {
        std::uint16_t care = 0;
        for (const ChoiceEntry& entry : list_.entries) {
            care = static_cast<std::uint16_t>(care | entry.write.care);
        }
        if (care == 0) {
            return bits;
        }
        return static_cast<std::uint16_t>((bits & care) >> std::countr_zero(care));
    }
    std::uint16_t Pattern(const Field& field, ConstModelRecord record) const {
        std::uint16_t bits = ByteAt(record, field.offset);
        if (secondOffset_ >= 0) {
            bits = static_cast<std::uint16_t>(bits | (ByteAt(record, secondOffset_) << 8));
        }
        return bits;
    }
    std::vector<BitRef> Split(const Field& field, std::uint16_t care) const {
        std::vector<BitRef> bits{{field.offset, static_cast<Byte>(care & 0xFF)}};
        if (secondOffset_ >= 0) {
            bits.push_back({secondOffset_, static_cast<Byte>(care >> 8)});
        }
        return bits;
    }

    // A copy: a table may build a list on the spot for one field.
    const ChoiceList list_;
    int secondOffset_;
};

class ModelTypeCodec : public ListCodec {
  public:
    explicit ModelTypeCodec(const ModelTypeTable& table) : table_(table) {}

    std::string_view Kind() const override { return "model-type"; }

    std::vector<std::string> Entries() const override {
        std::vector<std::string> texts;
        for (const ModelTypeEntry& entry : table_.entries) {
            texts.push_back(entry.text);
        }
        return texts;
    }
    std::vector<int> EntryTextNumbers() const override {
        std::vector<int> numbers;
        for (const ModelTypeEntry& entry : table_.entries) {
            numbers.push_back(entry.textNumber);
        }
        return numbers;
    }

    FieldValue Decode(const Field&, ConstModelRecord record) const override {
        const ModelTypeEntry* entry = table_.EntryOf(record);
        if (entry == nullptr) {
            return {-1, std::string(literal::kUnlistedCodePrefix) +
                            std::to_string(ByteAt(record, table_.offset) & table_.mask)};
        }
        return {entry - table_.entries.data(), {}};
    }
    // Choosing the type the model already has keeps its mixing program: the defaults
    // would throw the user's settings away for nothing.
    void Write(const Field&, const FieldValue& value, ModelRecord record) const override {
        if (value.number < 0 || static_cast<std::size_t>(value.number) >= table_.entries.size()) {
            return;
        }
        const ModelTypeEntry& entry = table_.entries[static_cast<std::size_t>(value.number)];
        if (table_.EntryOf(record) == &entry) {
            return;
        }
        for (const auto& [offset, bytes] : entry.defaults) {
            CopyBytes(record, static_cast<std::size_t>(offset), bytes, 0, bytes.size());
        }
        const int shift = std::countr_zero(static_cast<unsigned>(table_.mask));
        PutBits(record, table_.offset, table_.mask, static_cast<Byte>(entry.code << shift));
    }
    std::vector<BitRef> OwnedBits(const Field&) const override {
        std::vector<BitRef> bits{{table_.offset, table_.mask}};
        for (const ModelTypeEntry& entry : table_.entries) {
            for (const auto& [offset, bytes] : entry.defaults) {
                for (std::size_t i = 0; i < bytes.size(); ++i) {
                    bits.push_back({offset + static_cast<int>(i), 0xFF});
                }
            }
        }
        return bits;
    }
    std::vector<BitRef> WrittenBits(const Field&, const FieldValue&) const override {
        return {{table_.offset, table_.mask}};
    }

  private:
    const ModelTypeTable& table_;
};

}  // namespace

CodecPtr Flag(Byte mask, bool tickedWhenClear) {
    return std::make_shared<FlagCodec>(mask, tickedWhenClear);
}

CodecPtr Choice(const ChoiceList& list, int secondOffset) {
    return std::make_shared<ChoiceCodec>(list, secondOffset);
}

CodecPtr ModelType(const ModelTypeTable& table) {
    return std::make_shared<ModelTypeCodec>(table);
}

}  // namespace codec
