# The metafile player: parse, then play into a small picture.
vellora_fuzzer(fuzz_wmf fuzz_wmf.cpp vellora_formats_wmf Qt6::Gui)

# Metafile text asks fontconfig for fonts, and fontconfig leaves some of its
# one-time allocations unreachable: not ours to report, so suppressed by
# name for every fuzzer that may play a metafile.
set(wmf_lsan "LSAN_OPTIONS=suppressions=${CMAKE_CURRENT_SOURCE_DIR}/lsan-fontconfig.supp")
set_property(TEST fuzz_wmf APPEND PROPERTY ENVIRONMENT "QT_QPA_PLATFORM=offscreen" "${wmf_lsan}")
if(TEST fuzz_picture_decode)
  set_property(TEST fuzz_picture_decode APPEND PROPERTY ENVIRONMENT "${wmf_lsan}")
endif()
