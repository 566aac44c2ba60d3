// Loading and saving a long introduction: about 1 MB of RTF in the style a
// rich-edit control writes for a Chinese user, many paragraphs with mixed
// formats, GBK bytes, Unicode escapes and colours.

#include "formats/rtf/RtfReader.h"
#include "formats/rtf/RtfWriter.h"

#include <QTextDocument>
#include <benchmark/benchmark.h>

namespace {
QByteArray BigIntroduction(qsizetype targetBytes)
{
    QByteArray rtf = "{\\rtf1\\ansi\\ansicpg936\\deff0\\deflang1033\\deflangfe2052"
                     "{\\fonttbl{\\f0\\fnil\\fcharset134 \\'cb\\'ce\\'cc\\'e5;}{\\f1\\fswiss\\fcharset0 Arial;}}\r\n"
                     "{\\colortbl ;\\red255\\green0\\blue0;\\red0\\green0\\blue255;}\r\n"
                     "\\viewkind4\\uc1\\pard\\lang2052\\f0\\fs20 ";
    // 小猫钓鱼 in GBK and 从前有一只小猫 as Unicode escapes.
    const QByteArray gbk = "\\'d0\\'a1\\'c3\\'a8\\'b5\\'f6\\'d3\\'e3";
    const QByteArray unicode = "\\u20174?\\u21069?\\u26377?\\u19968?\\u21482?\\u23567?\\u29483?";
    for (int i = 0; rtf.size() < targetBytes; ++i) {
        rtf += (i % 3 == 0) ? "\\pard\\qc " : (i % 3 == 1 ? "\\pard\\li720\\fi-360 " : "\\pard ");
        rtf += gbk + " " + unicode + " {\\b " + gbk + "} ";
        rtf += "{\\i\\cf1 " + unicode + "} \\f1 Western text " + QByteArray::number(i) + "\\f0 ";
        rtf += "{\\ul\\fs28 " + gbk + gbk + "}\\tab {\\highlight2 " + unicode + "}\\par\r\n";
    }
    rtf += "}";
    return rtf;
}

const QByteArray &Introduction()
{
    static const QByteArray rtf = BigIntroduction(1 << 20);
    return rtf;
}

void BM_ReadRtf(benchmark::State &state)
{
    const QByteArray &rtf = Introduction();
    for (auto _ : state) {
        QTextDocument doc;
        benchmark::DoNotOptimize(ReadRtf(rtf, doc));
    }
    state.SetBytesProcessed(state.iterations() * rtf.size());
}
BENCHMARK(BM_ReadRtf)->Unit(benchmark::kMillisecond);

void BM_WriteRtf(benchmark::State &state)
{
    QTextDocument doc;
    ReadRtf(Introduction(), doc);
    qsizetype written = 0;
    for (auto _ : state) {
        const QByteArray rtf = WriteRtf(doc);
        written = rtf.size();
        benchmark::DoNotOptimize(rtf.constData());
    }
    state.SetBytesProcessed(state.iterations() * written);
    state.counters["output_bytes"] = double(written);
    state.counters["paragraphs"] = double(doc.blockCount());
}
BENCHMARK(BM_WriteRtf)->Unit(benchmark::kMillisecond);
} // namespace

BENCHMARK_MAIN();
