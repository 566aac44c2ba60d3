#pragma once

#include <QByteArrayView>

// One lexical piece of an RTF stream.
struct RtfToken {
    enum class Kind { End, GroupOpen, GroupClose, ControlWord, ControlSymbol, Text, HexByte, Binary };
    Kind kind = Kind::End;
    // ControlWord: the letters (at most kMaxWordLength); Text: a run of plain
    // bytes; Binary: the bytes that followed \binN.
    QByteArrayView bytes;
    bool hasParam = false;
    int param = 0;          // ControlWord parameter, saturated to the int range
    char symbol = 0;        // ControlSymbol character
    unsigned char byte = 0; // HexByte value
};

// Splits RTF bytes into tokens without ever reading past the end. Line
// breaks between tokens are dropped (they carry no meaning in RTF), a
// backslash before a line break is a paragraph mark (symbol '\n'), and
// \binN swallows the next N bytes (no more than are left) as one token.
class RtfTokenizer {
public:
    static constexpr int kMaxWordLength = 32;

    explicit RtfTokenizer(QByteArrayView data) : data_(data) {}
    RtfToken Next();
    qsizetype Position() const { return pos_; }

private:
    RtfToken ReadControl();

    QByteArrayView data_;
    qsizetype pos_ = 0;
};
