// The tokenizer on the byte patterns where RTF is easy to get wrong.

#include "platform/RtfTokenizer.h"

#include <QByteArray>

#include <climits>
#include <string>

#include <gtest/gtest.h>

namespace {
// Tokens as a compact string: W(name,param) S(c) T(text) H(hex) B(bytes) { }.
std::string Describe(QByteArrayView rtf)
{
    RtfTokenizer tokenizer(rtf);
    std::string out;
    for (RtfToken t = tokenizer.Next(); t.kind != RtfToken::Kind::End; t = tokenizer.Next()) {
        switch (t.kind) {
        case RtfToken::Kind::GroupOpen: out += "{"; break;
        case RtfToken::Kind::GroupClose: out += "}"; break;
        case RtfToken::Kind::ControlWord:
            out += "W(" + t.bytes.toByteArray().toStdString();
            if (t.hasParam)
                out += "," + std::to_string(t.param);
            out += ")";
            break;
        case RtfToken::Kind::ControlSymbol: out += std::string("S(") + (t.symbol == '\n' ? 'n' : t.symbol) + ")"; break;
        case RtfToken::Kind::Text: out += "T(" + t.bytes.toByteArray().toStdString() + ")"; break;
        case RtfToken::Kind::HexByte: out += "H(" + std::to_string(t.byte) + ")"; break;
        case RtfToken::Kind::Binary: out += "B(" + t.bytes.toByteArray().toStdString() + ")"; break;
        case RtfToken::Kind::End: break;
        }
    }
    return out;
}

struct TokenCase {
    const char *name;
    QByteArray rtf;
    std::string tokens;
};

void PrintTo(const TokenCase &c, std::ostream *os) { *os << c.name; }

class Tokenizer : public testing::TestWithParam<TokenCase> {};

TEST_P(Tokenizer, SplitsIntoTokens)
{
    EXPECT_EQ(Describe(GetParam().rtf), GetParam().tokens);
}

INSTANTIATE_TEST_SUITE_P(Patterns, Tokenizer, testing::Values(
    TokenCase{"SpaceDelimiterConsumed", "\\b0  x", "W(b,0)T( x)"},
    TokenCase{"NegativeParameter", "\\u-10179?", "W(u,-10179)T(?)"},
    TokenCase{"HugeParameterSaturates", "\\fs99999999999x", "W(fs,2147483647)T(x)"},
    TokenCase{"HugeNegativeSaturates", "\\fs-99999999999x", "W(fs,-2147483648)T(x)"},
    TokenCase{"MinusWithoutDigitIsText", "\\a-b", "W(a)T(-b)"},
    TokenCase{"LongWordCut", "\\" + QByteArray(40, 'z') + " x", "W(" + std::string(32, 'z') + ")T(x)"},
    TokenCase{"BinarySwallowsBraces", "\\bin3 a}b}", "B(a}b)}"},
    TokenCase{"BinaryCutAtEnd", "\\bin9 ab", "B(ab)"},
    TokenCase{"BinaryZero", "\\bin0 ab", "W(bin,0)T(ab)"},
    TokenCase{"HexOneDigit", "\\'4g", "H(4)T(g)"},
    TokenCase{"HexNoDigit", "\\'g", "T(g)"},
    TokenCase{"ControlSymbols", "\\~\\-\\_\\*\\{", "S(~)S(-)S(_)S(*)S({)"},
    TokenCase{"BackslashLineBreak", "a\\\r\nb", "T(a)S(n)T(b)"},
    TokenCase{"LineBreaksAndNulDropped", QByteArray("a\r\n\0b", 5), "T(a)T(b)"},
    TokenCase{"LoneBackslashAtEnd", "a\\", "T(a)"},
    TokenCase{"Groups", "{\\rtf1{x}}", "{W(rtf,1){T(x)}}"}),
    [](const auto &info) { return std::string(info.param.name); });
} // namespace
