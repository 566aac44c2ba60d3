#include "formats/rtf/RtfTokenizer.h"

#include <algorithm>
#include <climits>

namespace {
bool IsLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

int HexValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

RtfToken Make(RtfToken::Kind kind, QByteArrayView bytes = {})
{
    RtfToken t;
    t.kind = kind;
    t.bytes = bytes;
    return t;
}

RtfToken MakeSymbol(char symbol)
{
    RtfToken t = Make(RtfToken::Kind::ControlSymbol);
    t.symbol = symbol;
    return t;
}

bool EndsText(char c) { return c == '\\' || c == '{' || c == '}' || c == '\r' || c == '\n' || c == '\0'; }
} // namespace

RtfToken RtfTokenizer::Next()
{
    while (pos_ < data_.size()) {
        const char c = data_[pos_];
        switch (c) {
        case '{': ++pos_; return Make(RtfToken::Kind::GroupOpen);
        case '}': ++pos_; return Make(RtfToken::Kind::GroupClose);
        case '\\': {
            RtfToken t = ReadControl();
            if (t.kind != RtfToken::Kind::End)
                return t;
            continue;
        }
        case '\r':
        case '\n':
        case '\0': ++pos_; continue;
        default: {
            const qsizetype start = pos_;
            while (pos_ < data_.size() && !EndsText(data_[pos_]))
                ++pos_;
            return Make(RtfToken::Kind::Text, data_.sliced(start, pos_ - start));
        }
        }
    }
    return {};
}

// Reads what follows a backslash. Returns an End token when there was
// nothing usable (a lone backslash at the end, "\'" without hex digits),
// so the caller moves on.
RtfToken RtfTokenizer::ReadControl()
{
    ++pos_; // the backslash
    if (pos_ >= data_.size())
        return {};
    const char c = data_[pos_];
    if (!IsLetter(c)) {
        ++pos_;
        if (c == '\'') {
            int value = 0, digits = 0;
            while (digits < 2 && pos_ < data_.size() && HexValue(data_[pos_]) >= 0) {
                value = value * 16 + HexValue(data_[pos_]);
                ++pos_;
                ++digits;
            }
            if (digits == 0)
                return {};
            RtfToken hex = Make(RtfToken::Kind::HexByte);
            hex.byte = static_cast<unsigned char>(value);
            return hex;
        }
        if (c == '\r' || c == '\n')
            return MakeSymbol('\n');
        return MakeSymbol(c);
    }

    const qsizetype start = pos_;
    while (pos_ < data_.size() && IsLetter(data_[pos_]))
        ++pos_;
    RtfToken t =
        Make(RtfToken::Kind::ControlWord, data_.sliced(start, std::min<qsizetype>(pos_ - start, kMaxWordLength)));

    bool negative = false;
    if (pos_ + 1 < data_.size() && data_[pos_] == '-' && IsDigit(data_[pos_ + 1])) {
        negative = true;
        ++pos_;
    }
    if (pos_ < data_.size() && IsDigit(data_[pos_])) {
        // Saturate instead of overflowing: a hostile file may put any
        // number of digits here.
        long long value = 0;
        while (pos_ < data_.size() && IsDigit(data_[pos_])) {
            if (value <= INT_MAX)
                value = value * 10 + (data_[pos_] - '0');
            ++pos_;
        }
        if (negative)
            value = -value;
        t.hasParam = true;
        t.param = static_cast<int>(std::clamp<long long>(value, INT_MIN, INT_MAX));
    }
    if (pos_ < data_.size() && data_[pos_] == ' ')
        ++pos_;

    if (t.bytes == QByteArrayView("bin") && t.hasParam && t.param > 0) {
        const qsizetype n = std::min<qsizetype>(t.param, data_.size() - pos_);
        RtfToken bin = Make(RtfToken::Kind::Binary, data_.sliced(pos_, n));
        pos_ += n;
        return bin;
    }
    return t;
}
