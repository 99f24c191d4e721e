#pragma once

#include <memory>

#include "common/NumberedText.h"
#include "dataset/ModelNames.h"
#include "editors/codecs/FieldCodec.h"

// The codec kinds, each parameterised. Tables create their fields' codecs with these.
namespace codec {

using CodecPtr = std::shared_ptr<const FieldCodec>;

// A number in the bits of `mask` of one byte (two's complement within the mask when
// signed). Shown = (negate ? -raw : raw) * scale + bias; an entry is stored as
// (shown - bias) / scale (negated back, divided with the sign: -22 / 4 gives -6). Half
// steps: the byte holds percent x 2, shown with one decimal ("25.0", "37.5").
struct ByteFormat {
    bool isSigned = false;
    Byte mask = 0xFF;
    int scale = 1;
    int bias = 0;
    bool negate = false;
    bool halves = false;
};
inline constexpr ByteFormat kUnsigned{};
inline constexpr ByteFormat kSigned{true};
inline constexpr ByteFormat kHalfPercent{false, 0xFF, 1, 0, false, true};
inline constexpr ByteFormat kQuarter{true, 0xFF, 4, 0};               // percent / 4, shown x 4
inline constexpr ByteFormat kPlusOne{false, 0xFF, 1, 1};              // stored 0 to 7, shown 1 to 8
inline constexpr ByteFormat kHundredMinus{true, 0xFF, 1, 100, true};  // shown 100 - byte
inline constexpr ByteFormat kMinusHundred{false, 0xFF, 1, -100};      // stored value + 100
CodecPtr Number(ByteFormat format);

// A byte whose shown value a formula of the family gives (the FX18's limit code):
// shown = shown(byte, as two's complement when signed), byte = stored(shown) kept modulo 256.
struct MappedFormat {
    bool isSigned = true;
    int (*shown)(int stored) = nullptr;
    int (*stored)(int shown) = nullptr;
    const char* kind = "mapped";
};
CodecPtr Mapped(MappedFormat format);

// Bits 0 to 6 the amount, bit 7 set for a negative value. Amounts below `minAmount`
// (other than none at all when minAmount is 0) are raised to it when written.
CodecPtr SignMagnitude(int minAmount = 0);

// A check box on the bits of `mask`, ticked when they are set (or when clear).
CodecPtr Flag(Byte mask, bool tickedWhenClear = false);

// A list (see ChoiceList); `secondOffset` is the byte of the high half of the patterns.
CodecPtr Choice(const ChoiceList& list, int secondOffset = -1);

// The model type list of a family: choosing another type writes that type's default bytes
// and then its code; choosing the type the model has writes nothing.
CodecPtr ModelType(const ModelTypeTable& table);

// Timers edited as "mm:ss".
enum class TimerLayout {
    Tenths16,     // 16 bits low byte first, tenths of a second
    MinSecBytes,  // minutes in the field's byte, seconds in the byte `secondsDelta` away
    Bcd,          // as MinSecBytes, each byte two BCD digits
    Seconds13,    // seconds: bits 0 to 4 of the field's byte above the next byte
};
struct TimerFormat {
    TimerLayout layout = TimerLayout::Tenths16;
    int secondsDelta = 1;
    // The ':' must stand at a position below this, counted from 0.
    int colonLimit = 5;
    int maxMinutes = 59;
    // MinSecBytes and Bcd: the minutes are written before the seconds are tested.
    bool minutesFirst = false;
    // Refusal texts from the language table instead of the built-in "Falsche Eingabe"
    // messages: for the whole entry, and for a part out of range.
    NumberedText wholeEntryText{0, ""};
    NumberedText partText{0, ""};
};
CodecPtr Timer(TimerFormat format);

// A name of `length` bytes in a character set: Plain keeps Windows-1252 bytes (blank
// padded), Ff10 stores the FF10's own codes of its five special letters, Low7Bits stores
// upper-case characters + 128 with ':' for a blank, Set1 to Set4 store positions in the
// set. A character the set cannot hold refuses the entry with `badCharacterText`; the
// characters before it stay written, unless `checkAllFirst` tests every character before
// the first is written (a refused entry then leaves the name as it was).
struct NameFormat {
    NameCharset charset = NameCharset::Plain;
    int length = 8;
    NumberedText badCharacterText{0, ""};
    bool checkAllFirst = false;
};
CodecPtr Name(NameFormat format);

// A gyro rate in half-percent; while the bits of `modeMask` are all set in the byte at
// `modeOffset` (rate/AVC mode) the byte is 100 + rate ("AVC") or 100 - rate ("Norm").
CodecPtr GyroRate(int modeOffset, Byte modeMask);
// The "Norm"/"AVC" side of a gyro byte in rate/AVC mode.
CodecPtr GyroSide(int modeOffset, Byte modeMask);

}  // namespace codec
