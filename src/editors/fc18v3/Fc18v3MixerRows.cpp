#include "editors/fc18v3/Fc18v3MixerRows.h"

#include <algorithm>
#include <cstdint>

#include "editors/fc18v3/Fc18v3Lists.h"

namespace fc18v3 {
namespace {

const char* const kValueTip = "-100 ... 100";
const char* const kTravelTip = "0 ... 100";

// The caption on one line with single blanks: the key of the row.
std::string Collapsed(const std::string& caption) {
    std::string key;
    for (const char c : caption) {
        const bool blank = c == ' ' || c == '\r' || c == '\n';
        if (!blank) {
            key += c;
        } else if (!key.empty() && key.back() != ' ') {
            key += ' ';
        }
    }
    while (!key.empty() && key.back() == ' ') {
        key.pop_back();
    }
    return key;
}

// The values a byte of this format can hold, as shown.
ValueRange ByteCapacity(const codec::ByteFormat& format) {
    const auto shown = [&](long long raw) {
        return (format.negate ? -raw : raw) * format.scale + format.bias;
    };
    const long long low = format.isSigned ? INT8_MIN : 0;
    const long long high = format.isSigned ? INT8_MAX : UINT8_MAX;
    // Entries between two multiples of the scale are divided down with the sign.
    return {static_cast<int>(std::min(shown(low), shown(high))),
            static_cast<int>(std::max(shown(low), shown(high)) + format.scale - 1)};
}

}  // namespace

MixerRows::MixerRows(PageBuilder& page, bool tooltips) : page_(page), tooltips_(tooltips) {}

MixerRows& MixerRows::Row(const std::string& caption) {
    page_.Group(caption);
    caption_ = caption;
    keyPrefix_ = Collapsed(caption);
    return *this;
}

MixerRows& MixerRows::Row(const std::string& caption, int onOffOffset, Byte bit,
                          const std::string& hint) {
    Row(caption);
    page_.Choice(keyPrefix_, onOffOffset, OnOffList(bit)).Label(hint);
    return *this;
}

MixerRows& MixerRows::Ranged(const std::string& label, int offset, codec::ByteFormat format,
                             int min, int max, const char* tooltip) {
    page_.Number(Key(label), offset, format, min, max).ExchangePrompt().Label(label);
    if (tooltip != nullptr) {
        page_.Tooltip(tooltip);
    }
    return *this;
}

MixerRows& MixerRows::WithinByte(const std::string& label, int offset, codec::ByteFormat format,
                                 const char* tooltip) {
    const ValueRange capacity = ByteCapacity(format);
    return Ranged(label, offset, format, capacity.min, capacity.max, tooltips_ ? tooltip : nullptr);
}

MixerRows& MixerRows::Curve(int firstOffset) {
    for (int point = 0; point < 5; ++point) {
        Ranged("Punkt " + std::to_string(point + 1), firstOffset + point, codec::kUnsigned, 0, 100,
               kTravelTip);
    }
    return *this;
}

MixerRows& MixerRows::List(const std::string& label, int offset, const ChoiceList& list) {
    page_.Choice(Key(label), offset, list).Label(label);
    return *this;
}

MixerRows& MixerRows::Value(const std::string& label, int offset) {
    return WithinByte(label, offset, codec::kSigned, kValueTip);
}

MixerRows& MixerRows::Expo(const std::string& label, int offset) {
    return WithinByte(label, offset, codec::kQuarter, kValueTip);
}

MixerRows& MixerRows::Travel(const std::string& label, int offset) {
    return WithinByte(label, offset, codec::kUnsigned, kTravelTip);
}

MixerRows& MixerRows::Neutral(int leftOffset, int rightOffset) {
    return Value("Neutral % links", leftOffset).Value("Neutral % rechts", rightOffset);
}

MixerRows& MixerRows::HundredMinus(const std::string& label, int offset) {
    page_.Group(caption_ + " " + label, caption_);
    return WithinByte(label, offset, codec::kHundredMinus, kValueTip);
}

MixerRows& MixerRows::SwitchesOff(BitRef bit) {
    page_.WhenChangedTo(1, {bit});
    return *this;
}

namespace {

constexpr BitRef kVTailOff{117, 0x08};

void AddFirstRows(MixerRows& rows, bool glider, const std::string& flapCaption, int flapOffset) {
    const std::string gap = glider ? " " : "  ";
    rows.Row("51" + gap + "Zusatztrimmung");
    for (int output = 1; output <= 8; ++output) {
        rows.Value(std::to_string(output), 151 + output);
    }
    rows.Row("52" + gap + "Expo Störkl.").Expo("%", 126);
    rows.Row(flapCaption).Travel("Ob.%", flapOffset).Travel("Unt.%", flapOffset + 1);
    rows.Row("54 Quer -> Seite", 117, 0x02).Value("%", 121);
    rows.Row("55 Seite -> Höhe", 117, 0x04).Value("L%", 123).Value("R%", 122);
    rows.Row("56" + gap + "Querruder Differenzierung", 117, 0x01).Value("%", 120);
}

void AddGliderRows(MixerRows& rows) {
    rows.Row("57 Mischer V-Leitw.", 117, 0x08)
        .SwitchesOff(kDeltaOff)
        .Value("Höhe %", 129)
        .Value("Seite %", 128);
    rows.Row("61 Störklappe -> Höhe", 117, 0x10).Value("%", 130).Neutral(141, 140);
}

}  // namespace

PageTable FixedWingPage(int pageNumber, const std::string& caption, bool glider,
                        const std::string& flapCaption, int flapOffset, OwnRows ownRows) {
    PageBuilder page(pageNumber, caption);
    page.DefaultPolicy(kFixedWingPolicy);
    MixerRows rows(page, !glider);
    AddFirstRows(rows, glider, flapCaption, flapOffset);
    if (glider) {
        AddGliderRows(rows);
    }
    ownRows(rows);
    rows.Row("75 Delta", 119, 0x01);
    if (glider) {
        rows.SwitchesOff(kVTailOff);
    }
    rows.Value("Quer %", 160).Value("Höhe %", 161);
    return page.Build();
}

}  // namespace fc18v3
