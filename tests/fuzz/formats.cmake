# Picture files are outside bytes too. The metafile converter runs as a
# helper process that the sanitizer build does not make, so here metafiles
# stop after their header checks.
vellora_fuzzer(fuzz_picture_decode fuzz_picture_decode.cpp vellora_formats Qt6::Gui Qt6::Svg)
